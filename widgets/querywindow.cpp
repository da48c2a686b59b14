#include "widgets/querywindow.h"

#include "widgets/describe.h"
#include "widgets/fonts.h"
#include "widgets/resultactions.h"
#include "widgets/twips.h"

#include "catalogue/flangeinput.h"
#include "core/values/numberreading.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace
{

// Whether a row has a form in its series: a weld-neck size may list its weld end for one
// series only, a plate or slip-on size its pipe.
bool hasSeriesForm(const FlangeRecord &record)
{
    return record.kind == FlangeKind::WeldNeck ? record.weldEndDiameter.has_value()
                                               : record.pipeOutsideDiameter.has_value();
}

} // namespace

QueryWindow::QueryWindow(const QueryWindowDesign &design)
    : m_query(design.query), m_kind(design.kind),
      m_ratings(design.kind ? listedRatings(*design.kind) : QList<Rating>()), m_dnBox(design.dnBox),
      m_clearOrder(design.clearOrder)
{
    designWindow(this, design.window);

    // The drawing and its lines lie under the boxes that stand on it.
    for (const ControlDesign &c : design.controls)
        if (c.kind == ControlDesign::Picture)
            addPicture(this, c.name, c.text,
                       twipsRect(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height()));
    for (const LineDesign &line : design.lines)
        addLine(this, line.name, line.fromTwips, line.toTwips, line.width);

    std::vector<std::pair<int, QWidget *>> tabOrder;
    QPushButton *find = nullptr;
    for (const ControlDesign &c : design.controls) {
        const QRect rect = twipsRect(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height());
        const std::optional<QFont> font =
            c.font ? std::optional(designFont(QString::fromUtf8(c.font->face), c.font->pointSize,
                                              c.font->bold))
                   : std::nullopt;
        QWidget *control = nullptr;
        switch (c.kind) {
        case ControlDesign::Label:
        case ControlDesign::Note:
            addLabel(this, c.name, c.text, rect, font)->setWordWrap(c.kind == ControlDesign::Note);
            break;
        case ControlDesign::TextBox: {
            QLineEdit *box = addTextBox(this, c.name, rect, c.text, font);
            m_boxes.at(std::size_t(c.box)) = box;
            control = box;
            break;
        }
        case ControlDesign::List: {
            QListWidget *list = addList(this, c.name, rect, font);
            (c.name == u"List1" ? m_pressures : m_series) = list;
            control = list;
            break;
        }
        case ControlDesign::Button: {
            QPushButton *button = addButton(this, c.name, c.text, rect, font);
            if (c.name == design.findButton) {
                find = button;
                connect(button, &QPushButton::clicked, this, &QueryWindow::find);
            } else if (c.name == design.clearButton) {
                connect(button, &QPushButton::clicked, this, &QueryWindow::clear);
            } else if (c.name == design.backButton) {
                connect(button, &QPushButton::clicked, this, &QueryWindow::backRequested);
            }
            control = button;
            break;
        }
        case ControlDesign::Picture:
            break;
        }
        if (!control)
            continue;
        tabOrder.emplace_back(c.tab, control);
        if (!c.hint.isEmpty())
            describe(control, c.hint, c.hintDetail);
    }

    // Labels take no focus: the focus starts on the first control in tab order that does.
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    if (!tabOrder.empty())
        tabOrder.front().second->setFocus();

    // Enter in the DN box presses "查找".
    QLineEdit *dn = box(design.dnBox);
    dn->setToolTip(dn->toolTip() + tr("，按回车键查找"));
    connect(dn, &QLineEdit::returnPressed, find, &QPushButton::click);
    m_dnEdit = dn;
    m_findButton = find;

    fillLists(m_pressures, m_series, design.pressures);

    if (m_kind) {
        m_results = new ResultActions(this, [this] { return chosenRow(); });
        connect(m_pressures, &QListWidget::itemSelectionChanged, m_results, &ResultActions::update);
        connect(m_series, &QListWidget::itemSelectionChanged, m_results, &ResultActions::update);
        connect(dn, &QLineEdit::textChanged, m_results, &ResultActions::update);
    }
}

ChosenRow QueryWindow::chosenRow() const
{
    const std::optional<Rating> rating = chosenRating();
    const std::optional<PipeSeries> series = seriesAtRow(selectedIndex(m_series));
    const QString dnText = box(m_dnBox)->text();
    if (!m_kind)
        return {std::nullopt, tr("此窗口没有法兰数据")};
    if (!rating)
        return {std::nullopt, tr("请先选择公称压力")};
    if (!series)
        return {std::nullopt, tr("请先选择系列")};
    if (dnText.trimmed().isEmpty())
        return {std::nullopt, tr("请先输入公称直径")};
    const std::optional<NominalDiameter> dn = readNominalDiameter(dnText);
    std::optional<FlangeRecord> record =
        dn ? lookUpFlange(*m_kind, *rating, *dn, *series) : std::nullopt;
    if (!record)
        return {std::nullopt, tr("此公称直径未列出")};
    if (!hasSeriesForm(*record))
        return {std::nullopt,
                tr("此公称直径没有 %1 系列的规格").arg(seriesText(*series))};
    return {std::move(record), QString()};
}

void QueryWindow::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_results) {
        QWidget::contextMenuEvent(event);
        return;
    }
    m_results->menu()->exec(event->globalPos());
}

QLineEdit *QueryWindow::box(int n) const
{
    return n >= 0 && n <= MaxBox ? m_boxes[std::size_t(n)] : nullptr;
}

void QueryWindow::find()
{
    QueryRun run([this](int n) {
        const QLineEdit *edit = box(n);
        return edit ? edit->text() : QString();
    });
    m_query(run, chosenRating(), seriesAtRow(selectedIndex(m_series)));
    for (const QueryStep &step : run.steps()) {
        if (step.kind == QueryStep::Kind::Message)
            showMessage(this, step.text);
        else if (QLineEdit *edit = box(step.box))
            edit->setText(step.text);
    }
}

void QueryWindow::clear()
{
    for (int n : m_clearOrder)
        box(n)->setText(QString());
}

std::optional<Rating> QueryWindow::chosenRating() const
{
    const int row = selectedIndex(m_pressures);
    if (row < 0 || row >= m_ratings.size())
        return std::nullopt;
    return m_ratings[row];
}

void QueryWindow::findFor(const Rating &rating, PipeSeries series, int dn)
{
    for (auto [list, row] :
         {std::pair{m_pressures, int(m_ratings.indexOf(rating))}, {m_series, int(series)}}) {
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        list->scrollToItem(list->currentItem());
    }
    m_dnEdit->setText(QString::number(dn));
    m_findButton->click();
}

void fillLists(QListWidget *pressures, QListWidget *series, const QStringList &pressureTexts)
{
    pressures->addItems(pressureTexts);
    series->addItems({QStringLiteral("A"), QStringLiteral("B")});
    pressures->setCurrentRow(-1);
    series->setCurrentRow(-1);
}

int selectedIndex(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

namespace
{

// Every message box of the program: the application title, the text, no icon; wide enough for a
// window manager to show its title whole.
void shapeMessageBox(QMessageBox &box, const QString &text)
{
    const QString title = QStringLiteral("Quorvit");
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    // A window manager cuts a title that does not fit beside the title bar's icon and buttons:
    // keep the box at least as wide as the title (in a bold title font) and five title-bar-sized
    // squares for the icon, the three buttons and the margins.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int titleBarHeight = std::max(metrics.height() * 2, 24);
    const int width = metrics.horizontalAdvance(title) + 5 * titleBarHeight;
    // QMessageBox sizes itself from its layout, so the width goes in as a spacer across it.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

void showMessage(QWidget *parent, const QString &text)
{
    QMessageBox box(parent);
    box.setStandardButtons(QMessageBox::Ok);
    shapeMessageBox(box, text);
    box.exec();
}

bool askToConfirm(QWidget *parent, const QString &text, const QString &goAhead)
{
    QMessageBox box(parent);
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    box.button(QMessageBox::Ok)->setText(goAhead);
    // Enter or Escape keeps things as they are.
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    shapeMessageBox(box, text);
    return box.exec() == QMessageBox::Ok;
}
