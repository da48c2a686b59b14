// The print preview the windows show at a print: the real dialog shows the document's pages under
// its title.
#include "widgets/printpreview.h"

#include <QApplication>
#include <QPrintPreviewWidget>
#include <QTimer>
#include <QtTest>

class TestPrintPreview : public QObject
{
    Q_OBJECT
private slots:
    void previewShowsTheDocumentsPages_data()
    {
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("shown"); // a long document: its first pages and a notice
        QTest::newRow("three pages") << 3 << 3;
        QTest::newRow("as many as a preview shows") << PreviewedPages << PreviewedPages;
        QTest::newRow("a thousand pages") << 1000 << PreviewedPages + 1;
    }
    void previewShowsTheDocumentsPages()
    {
        QFETCH(int, pages);
        QFETCH(int, shown);
        QList<int> painted;
        PrintDocument document;
        document.title = QStringLiteral("带颈对焊法兰 1.6 MPa DN100 系列 A");
        document.paintPage = [&](QPainter &painter, const QRectF &page, double, int index) {
            painter.drawRect(page.adjusted(10, 10, -10, -10));
            painted.append(index);
            return index < pages - 1;
        };
        QString title;
        int previewed = -1;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            title = dialog->windowTitle();
            if (auto *preview = dialog->findChild<QPrintPreviewWidget *>())
                previewed = preview->pageCount();
            dialog->close();
        });
        previewAndPrint(nullptr, document);
        QCOMPARE(title, document.title);
        QCOMPARE(previewed, shown);
        QCOMPARE(painted.size(), std::min(pages, PreviewedPages));
        QCOMPARE(painted.last(), painted.size() - 1);
    }
};

QTEST_MAIN(TestPrintPreview)
#include "tst_printpreview.moc"
