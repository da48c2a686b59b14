#include "windows/identify/identifywindow.h"

#include "catalogue/flangeinput.h"
#include "core/values/valuetext.h"
#include "widgets/controls.h"
#include "widgets/describe.h"
#include "windows/identify/identifymatchmodel.h"

#include <QBoxLayout>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace
{

struct MeasureBox {
    Measure measure;
    const char *name;    // objectName
    const char *caption; // the label beside it
};
const MeasureBox MeasureBoxes[] = {
    // clang-format off
    {Measure::OutsideDiameter, "outsideDiameter", QT_TRANSLATE_NOOP("IdentifyWindow", "法兰外径 D")},
    {Measure::BoltCircle, "boltCircle", QT_TRANSLATE_NOOP("IdentifyWindow", "螺栓孔中心圆直径 K")},
    {Measure::HoleCount, "holeCount", QT_TRANSLATE_NOOP("IdentifyWindow", "螺栓孔数量 n")},
    {Measure::HoleDiameter, "holeDiameter", QT_TRANSLATE_NOOP("IdentifyWindow", "螺栓孔直径 L")},
    {Measure::Thickness, "thickness", QT_TRANSLATE_NOOP("IdentifyWindow", "法兰厚度 C")},
    {Measure::PipeOutsideDiameter, "pipeOutsideDiameter", QT_TRANSLATE_NOOP("IdentifyWindow", "配管外径 A")},
    // clang-format on
};

// A length in mm of at least 0, written with a point, as the command reads it.
QValidator *lengthValidator(QObject *parent)
{
    auto *validator = new QDoubleValidator(0, 1e6, 3, parent);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(QLocale::c());
    return validator;
}

QLineEdit *measureBox(QWidget *parent, QGridLayout *grid, int place, const QString &name,
                      const QString &caption, const QString &unit)
{
    auto *label = new QLabel(caption, parent);
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    label->setBuddy(box);
    describe(box, caption, unit);
    const int row = place / 2;
    const int column = place % 2 * 2;
    grid->addWidget(label, row, column);
    grid->addWidget(box, row, column + 1);
    return box;
}

// A box's number; none while it is empty or holds no number yet ("", ".").
std::optional<double> boxValue(const QLineEdit *box)
{
    return readMeasuredNumber(box->text());
}

} // namespace

IdentifyWindow::IdentifyWindow()
    : m_hint(new QLabel(this)), m_table(new QTableView(this)), m_model(new IdentifyMatchModel(this))
{
    designWindow(this, {QStringLiteral("FormIdentify"), tr("反查法兰"), 11400, 7800,
                        std::nullopt, std::nullopt});

    auto *grid = new QGridLayout;
    int place = 0;
    for (const MeasureBox &m : MeasureBoxes) {
        const bool count = m.measure == Measure::HoleCount;
        QLineEdit *box =
            measureBox(this, grid, place++, QLatin1String(m.name), tr(m.caption),
                       count ? tr("个") : QStringLiteral("mm"));
        if (count)
            box->setValidator(new QIntValidator(0, 9999, box));
        else
            box->setValidator(lengthValidator(box));
        m_boxes[std::size_t(m.measure)] = box;
    }
    m_tolerance = measureBox(this, grid, place, QStringLiteral("tolerance"), tr("公差"),
                             tr("mm，每项尺寸允许的偏差"));
    m_tolerance->setValidator(lengthValidator(m_tolerance));
    m_tolerance->setText(QStringLiteral("2"));

    m_hint->setObjectName(QStringLiteral("hint"));
    describe(m_hint, tr("提示"));

    m_table->setObjectName(QStringLiteral("matches"));
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    describe(m_table, tr("相符的法兰"), tr("按总偏差排序；双击或按回车键在查询窗口中查找"));

    auto *back = new QPushButton(tr("返回"), this);
    back->setObjectName(QStringLiteral("backButton"));
    back->setAutoDefault(false);
    describe(back, tr("返回主菜单"));
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_hint, 1);
    bottom->addWidget(back);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_table, 1);
    layout->addLayout(bottom);

    for (QLineEdit *box : m_boxes)
        connect(box, &QLineEdit::textChanged, this, &IdentifyWindow::identify);
    connect(m_tolerance, &QLineEdit::textChanged, this, &IdentifyWindow::identify);
    connect(m_table, &QAbstractItemView::activated, this, [this](const QModelIndex &index) {
        const FlangeRecord &r = m_model->match(index.row()).record;
        emit matchChosen(r.kind, r.rating, r.series, r.dn);
    });
    connect(back, &QPushButton::clicked, this, &IdentifyWindow::backRequested);

    identify();
    box(Measure::OutsideDiameter)->setFocus();
}

FlangeMeasurements IdentifyWindow::measurements() const
{
    FlangeMeasurements measured;
    for (Measure measure : AllMeasures)
        measured[measure] = boxValue(box(measure));
    // An empty tolerance box means the command's default.
    if (const std::optional<double> tolerance = boxValue(m_tolerance))
        measured.toleranceMm = *tolerance;
    return measured;
}

void IdentifyWindow::identify()
{
    const FlangeMeasurements measured = measurements();
    m_model->identify(measured);
    m_hint->setText(measured.isEmpty() ? tr("请至少输入一项尺寸")
                    : m_model->rowCount() == 0
                        ? tr("公差 %1 mm 内没有相符的法兰").arg(plainNumberText(measured.toleranceMm))
                        : tr("相符的法兰 %n 种，双击一行在查询窗口中查找", nullptr,
                             m_model->rowCount()));
}
