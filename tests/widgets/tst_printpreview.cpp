// The print preview comes from the print module the windows load at the first print: the real
// dialog, over the real module, shows the document's pages under its title.
#include "widgets/printpreview.h"

#include <QApplication>
#include <QPrintPreviewWidget>
#include <QTimer>
#include <QtTest>

class TestPrintPreview : public QObject
{
    Q_OBJECT
private slots:
    void previewShowsTheDocumentsPages()
    {
        QList<int> painted;
        PrintDocument document;
        document.title = QStringLiteral("带颈对焊法兰 1.6 MPa DN100 系列 A");
        document.paintPage = [&painted](QPainter &painter, const QRectF &page, double, int index) {
            painter.drawRect(page.adjusted(10, 10, -10, -10));
            painted.append(index);
            return index < 2; // three pages
        };
        QString title;
        int pages = -1;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog)
                return;
            title = dialog->windowTitle();
            if (auto *preview = dialog->findChild<QPrintPreviewWidget *>())
                pages = preview->pageCount();
            dialog->close();
        });
        previewAndPrint(nullptr, document);
        QCOMPARE(title, document.title);
        QCOMPARE(pages, 3);
        QCOMPARE(painted.mid(0, 3), QList<int>({0, 1, 2}));
    }
};

QTEST_MAIN(TestPrintPreview)
#include "tst_printpreview.moc"
