#include "windows/class/classflangewindow.h"

#include "catalogue/classseries.h"
#include "core/model/rules.h"
#include "core/ratings/pressurerating.h"
#include "core/values/valuetext.h"
#include "core/values/workingvalue.h"
#include "widgets/controls.h"
#include "widgets/describe.h"
#include "widgets/querywindow.h"
#include "widgets/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace
{

const FlangeKind Kinds[] = {FlangeKind::WeldNeck, FlangeKind::SlipOn, FlangeKind::Blind};
const char *const Drawings[] = {":/drawings/class-wn.svg", ":/drawings/class-so.svg",
                                ":/drawings/class-bl.svg"};
// The drawing stands here in the window; its boxes are placed in its own twips.
const QPoint DrawingAt(120, 600);
constexpr int BoxHeight = 264;

// What absent values show, as in the PN windows.
const QString Absent = QStringLiteral("-");

QString fieldText(const FieldValue &value)
{
    if (const double *number = std::get_if<double>(&value))
        return plainNumberText(*number);
    if (const QString *text = std::get_if<QString>(&value))
        return text->isEmpty() ? Absent : *text;
    return Absent;
}

// The value of a record's field by its key, as the catalogue lists a Class record's fields;
// none when the record's kind has no such field.
std::optional<FieldValue> fieldValue(const FlangeRecord &record, QLatin1StringView key)
{
    for (const FlangeField &field : classFlangeFields(record.kind))
        if (key == QLatin1StringView(field.key))
            return field.value(record);
    return std::nullopt;
}

} // namespace

ClassFlangeWindow::ClassFlangeWindow()
{
    designWindow(this, {QStringLiteral("FormClass"), tr("Class 系列"),
                        9300, 6000, std::nullopt, std::nullopt});

    m_title = addLabel(this, "titleLabel", QString(), twipsRect(120, 90, 4620, 500));
    m_title->setWordWrap(true);
    m_title->setTextInteractionFlags(Qt::TextSelectableByMouse);
    describe(m_title, tr("所查的法兰"));
    m_pictures.reserve(3);
    for (const char *drawing : Drawings)
        m_pictures.append(addPicture(this, QStringLiteral("Image1"), QString::fromLatin1(drawing),
                                     twipsRect(DrawingAt.x(), DrawingAt.y(), 4620, 3036)));

    // The boxes on the drawing: left, top and width in the drawing's twips, what the box holds,
    // and the key of the record's field it shows.
    struct OnDrawing {
        const char *name;
        QRect place;
        QString hint;
        QString unit;
        const char *key;
    };
    const OnDrawing onDrawing[] = {
        {"boreBox", {1494, 118, 612, 0}, tr("法兰内径"), "mm", "bore"},
        {"hubBox", {1494, 428, 612, 0}, tr("法兰颈外径"), "mm", "hub_diameter"},
        {"hubLengthBox", {3790, 1180, 600, 0}, tr("法兰高度（不含突面）"), "mm",
         "length_through_hub"},
        {"calloutBox", {2800, 800, 760, 0}, tr("螺栓孔数量和孔径"), "mm", nullptr},
        {"boltSizeBox", {2980, 1100, 580, 0}, tr("螺栓直径"), "in", "bolt_size"},
        {"thicknessBox", {3560, 1650, 560, 0}, tr("法兰厚度（不含突面）"), "mm", "thickness"},
        {"faceHeightBox", {3580, 2120, 560, 0}, tr("突面高度"), "mm", "face_height"},
        {"faceBox", {1494, 2198, 612, 0}, tr("突面直径"), "mm", "raised_face_diameter"},
        {"boltCircleBox", {2100, 2448, 612, 0}, tr("螺栓孔中心圆直径"), "mm", "bolt_circle"},
        {"outsideBox", {900, 2698, 612, 0}, tr("法兰外径"), "mm", "outside_diameter"},
    };
    QList<QWidget *> drawingBoxes;
    for (const OnDrawing &b : onDrawing) {
        QLineEdit *box = addTextBox(this, QLatin1String(b.name),
                                    twipsRect(DrawingAt.x() + b.place.x(),
                                              DrawingAt.y() + b.place.y(), b.place.width(),
                                              BoxHeight),
                                    QString());
        describe(box, b.hint, b.unit);
        drawingBoxes.append(box);
        if (b.key) {
            m_fieldBoxes.append({box, b.key});
            // What it shows, under the key the command line's JSON gives it.
            box->setProperty("field", QLatin1String(b.key));
        }
        else
            m_callout = box;
    }
    m_note = addLabel(this, "noteLabel", QString(), twipsRect(120, 3720, 4620, 960));
    m_note->setWordWrap(true);

    // The choices.
    const int labelX = 4860, fieldX = 6420, fieldWidth = 1560;
    const auto label = [&](const char *name, const QString &caption, int top) {
        return addLabel(this, QLatin1String(name), caption, twipsRect(labelX, top + 40, 1500, 252));
    };
    label("kindLabel", tr("法兰类型"), 120);
    m_kinds = addList(this, "kindList", twipsRect(fieldX, 120, fieldWidth, 264));
    for (FlangeKind kind : Kinds)
        m_kinds->addItem(kindCode(kind));
    describe(m_kinds, tr("法兰类型"), tr("WN、SO 或 BL"));
    label("classLabel", tr("压力等级"), 540);
    m_classes = addList(this, "classList", twipsRect(fieldX, 540, fieldWidth, 264));
    for (const Rating &rating : classRatings(FlangeKind::WeldNeck))
        m_classes->addItem(QStringLiteral("Class ") + ratingText(rating));
    describe(m_classes, tr("压力等级"), tr("Class 150～2500"));
    label("sizeLabel", tr("公称尺寸"), 960);
    m_size = addTextBox(this, "sizeBox", twipsRect(fieldX, 920, fieldWidth, 372), QString());
    describe(m_size, tr("公称尺寸"), tr("NPS 如 4\"、1-1/2\"，或 DN100"));
    m_size->setToolTip(m_size->toolTip() + tr("，按回车键查找"));
    label("scheduleLabel", tr("管子表号"), 1420);
    m_schedules = addList(this, "scheduleList", twipsRect(fieldX, 1420, fieldWidth, 264));
    if (const Standard *standard = classStandard())
        m_schedules->addItems(pipeSchedules(*standard));
    const QList<QListWidgetItem *> standardWall =
        m_schedules->findItems(DefaultSchedule.toString(), Qt::MatchExactly);
    m_schedules->setCurrentRow(standardWall.isEmpty() ? -1 : m_schedules->row(standardWall[0]));
    describe(m_schedules, tr("管子表号"), tr("带颈对焊法兰的内径按此，默认 STD"));
    auto *findButton =
        addButton(this, "findButton", tr("查找"), twipsRect(fieldX, 1860, 732, 372));
    auto *backButton =
        addButton(this, "backButton", tr("返回"), twipsRect(fieldX + 828, 1860, 732, 372));
    describe(findButton, tr("查找"), tr("所选类型、压力等级和尺寸的法兰"));
    describe(backButton, tr("返回主菜单"));

    // What to order, and the weight.
    const auto result = [&](const char *name, const QString &caption, int top, int width,
                            const QString &hint, const QString &unit) {
        label((QByteArray(name) + "Label").constData(), caption, top);
        QLineEdit *box =
            addTextBox(this, QLatin1String(name), twipsRect(fieldX, top, width, 300), QString());
        box->setReadOnly(true);
        describe(box, hint, unit);
        return box;
    };
    m_studs = result("studBox", tr("双头螺柱"), 2460, 2760, tr("双头螺柱规格及长度"), {});
    m_studCount = result("studCountBox", tr("螺柱数量"), 2820, 2760, tr("每副法兰的螺柱数量"), {});
    m_nuts = result("nutBox", tr("重型六角螺母"), 3180, 2760, tr("每副法兰的重型六角螺母数量"), {});
    m_gasket = result("gasketBox", tr("垫片"), 3540, 2760, tr("垫片"), {});
    // The ring's name, sizes and thickness are a long text beside a short caption: the box
    // takes the room the caption leaves.
    findChild<QLabel *>("gasketBoxLabel")->setGeometry(twipsRect(labelX, 3580, 800, 252));
    m_gasket->setGeometry(twipsRect(labelX + 840, 3540, fieldX + 2760 - labelX - 840, 300));
    m_weight = result("weightBox", tr("计算重量"), 3900, 1200, tr("按几何尺寸计算的重量"), "kg");
    m_studs->setProperty("field", QStringLiteral("bolt_designation"));
    m_gasket->setProperty("field", QStringLiteral("gasket"));
    m_weight->setProperty("field", QStringLiteral("computed_weight_kg"));
    addLabel(this, "weightUnitLabel", QStringLiteral("kg"), twipsRect(fieldX + 1300, 3940, 400, 252));

    // The rating panel.
    addLabel(this, "ratingLabel", tr("压力-温度额定值（ASME B16.5）"),
             twipsRect(labelX, 4380, 4320, 252));
    label("materialLabel", tr("材料"), 4700);
    m_material = addTextBox(this, "materialBox", twipsRect(fieldX, 4680, fieldWidth, 300),
                            QString());
    describe(m_material, tr("材料或材料组"), tr("A105、WCB、F304 或 1.1、2.1"));
    label("temperatureLabel", tr("温度 °C"), 5040);
    m_temperature = addTextBox(this, "temperatureBox",
                               twipsRect(fieldX, 5020, fieldWidth, 300), QString());
    describe(m_temperature, tr("温度"), QStringLiteral("°C"));
    m_rating = addLabel(this, "ratingResult", QString(), twipsRect(labelX, 5380, 4320, 460));
    m_rating->setWordWrap(true);
    m_rating->setTextInteractionFlags(Qt::TextSelectableByMouse);
    describe(m_rating, tr("最高工作压力"));

    QList<QWidget *> order{m_kinds, m_classes, m_size, m_schedules, findButton, backButton};
    order += drawingBoxes;
    order += {m_studs, m_studCount, m_nuts, m_gasket, m_weight, m_material, m_temperature};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_kinds->setFocus();

    connect(findButton, &QPushButton::clicked, this, &ClassFlangeWindow::find);
    connect(m_size, &QLineEdit::returnPressed, findButton, &QPushButton::click);
    connect(backButton, &QPushButton::clicked, this, &ClassFlangeWindow::backRequested);
    connect(m_kinds, &QListWidget::itemSelectionChanged, this, &ClassFlangeWindow::kindChanged);
    connect(m_classes, &QListWidget::itemSelectionChanged, this, &ClassFlangeWindow::updateRating);
    connect(m_material, &QLineEdit::textChanged, this, &ClassFlangeWindow::updateRating);
    connect(m_temperature, &QLineEdit::textChanged, this, &ClassFlangeWindow::updateRating);
    chooseKind(FlangeKind::WeldNeck);
    updateRating();
}

void ClassFlangeWindow::chooseKind(FlangeKind kind)
{
    for (int i = 0; i < m_kinds->count(); ++i)
        if (Kinds[i] == kind)
            m_kinds->setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
    kindChanged();
}

std::optional<FlangeKind> ClassFlangeWindow::chosenKind() const
{
    const int row = selectedIndex(m_kinds);
    return row >= 0 && row < int(std::size(Kinds)) ? std::optional(Kinds[row]) : std::nullopt;
}

std::optional<Rating> ClassFlangeWindow::chosenClass() const
{
    const QList<Rating> classes = classRatings(FlangeKind::WeldNeck);
    const int row = selectedIndex(m_classes);
    return row >= 0 && row < classes.size() ? std::optional(classes[row]) : std::nullopt;
}

void ClassFlangeWindow::kindChanged()
{
    const std::optional<FlangeKind> kind = chosenKind();
    for (qsizetype i = 0; i < m_pictures.size(); ++i)
        m_pictures[i]->setVisible(kind && Kinds[i] == *kind);
    // A slip-on flange's bore is the size's own, a blind one has none: the schedule is the
    // weld-neck's alone.
    m_schedules->setEnabled(kind == FlangeKind::WeldNeck);
    const bool blind = kind == FlangeKind::Blind;
    for (const char *name : {"boreBox", "hubBox", "hubLengthBox"})
        findChild<QLineEdit *>(QLatin1String(name))->setVisible(!blind);
    m_note->setText(blind ? tr("法兰盖只有 Class 系列（ASME B16.5 / HG/T 20615）；"
                               "PN 系列（HG 20592）的法兰盖暂未收录。")
                          : QString());
    clearResults();
}

void ClassFlangeWindow::clearResults()
{
    m_shown.reset();
    m_title->clear();
    for (QLineEdit *box : findChildren<QLineEdit *>())
        if (box != m_size && box != m_material && box != m_temperature)
            box->clear();
}

void ClassFlangeWindow::find()
{
    const std::optional<FlangeKind> kind = chosenKind();
    const std::optional<Rating> rating = chosenClass();
    clearResults();
    QStringList messages;
    if (!kind)
        messages.append(tr("请选择法兰类型！"));
    if (!rating)
        messages.append(tr("请选择压力等级！"));
    const ValueReading<NominalSize> size = readPipeSize(m_size->text());
    if (m_size->text().trimmed().isEmpty())
        messages.append(tr("请输入公称尺寸！"));
    else if (!size)
        messages.append(size.text);
    if (!messages.isEmpty()) {
        for (const QString &message : std::as_const(messages))
            showMessage(this, message);
        return;
    }
    const QList<QListWidgetItem *> schedule = m_schedules->selectedItems();
    const std::optional<FlangeRecord> record = lookUpClassFlange(
        *kind, *rating, *size,
        schedule.isEmpty() ? DefaultSchedule.toString() : schedule.first()->text());
    if (!record) {
        showMessage(this, classSizeNotListed(*kind, *rating, *size).text);
        return;
    }
    showRecord(*record);
}

void ClassFlangeWindow::showRecord(const FlangeRecord &record)
{
    m_shown = record;
    const QString pn = classPnName(record.rating);
    m_title->setText(QStringLiteral("%1 %2 Class %3%4\n%5")
                         .arg(kindCode(record.kind), classSizeText(record.row->key().size),
                              ratingText(record.rating),
                              pn.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(pn),
                              classStandardText()));
    for (const auto &[box, key] : std::as_const(m_fieldBoxes)) {
        const std::optional<FieldValue> value = fieldValue(record, QLatin1StringView(key));
        box->setText(value ? fieldText(*value) : Absent);
        box->setCursorPosition(0);
    }
    // The hole's diameter as tabled: the Class series' are not whole millimetres (25.4).
    const std::optional<FieldValue> holes = fieldValue(record, QLatin1StringView("hole_count"));
    const std::optional<FieldValue> hole = fieldValue(record, QLatin1StringView("hole_diameter"));
    m_callout->setText(holes && hole && std::holds_alternative<double>(*holes) &&
                               std::holds_alternative<double>(*hole)
                           ? boltHoleCallout(std::get<double>(*holes), std::get<double>(*hole))
                           : Absent);

    // Stud bolts, one a hole, with their nuts, for a joint of two such flanges; none where the
    // record cannot name the thread.
    const bool bolted = record.bolting.length > 0 && record.holeCount > 0;
    m_studs->setText(bolted ? boltToOrder(record) : Absent);
    m_studCount->setText(bolted ? QString::number(record.holeCount) : Absent);
    m_nuts->setText(bolted
                        ? tr("%1（每根 %2 个）")
                              .arg(record.holeCount * record.bolting.nutsPerBolt)
                              .arg(record.bolting.nutsPerBolt)
                        : Absent);
    m_gasket->setText(classGasketText(record));
    const std::optional<FieldValue> weight =
        fieldValue(record, QLatin1StringView("computed_weight_kg"));
    m_weight->setText(weight ? fieldText(*weight) : Absent);
    for (QLineEdit *box : {m_studs, m_studCount, m_nuts, m_gasket, m_weight})
        box->setCursorPosition(0);
}

void ClassFlangeWindow::updateRating()
{
    const std::optional<Rating> rating = chosenClass();
    if (m_material->text().trimmed().isEmpty() || m_temperature->text().trimmed().isEmpty()) {
        m_rating->setText(tr("输入材料和温度，得出所选压力等级的最高工作压力。"));
        return;
    }
    if (!rating) {
        m_rating->setText(tr("请选择压力等级。"));
        return;
    }
    const RatingAnswer<MaterialRatings> answer =
        materialRatings(m_material->text(), m_temperature->text());
    if (!answer) {
        m_rating->setText(answer.text);
        return;
    }
    for (const ClassWorkingPressure &entry : answer->classes) {
        if (entry.flangeClass != int(rating->value))
            continue;
        m_rating->setText(
            entry.pressure
                ? tr("Class %1 在 %2 °C：最高工作压力 %3 bar（%4 MPa）")
                      .arg(entry.flangeClass)
                      .arg(temperatureText(answer->temperatureC), barText(entry.pressure->bar),
                           mpaText(entry.pressure->mpa()))
                : entry.pressure.text);
        return;
    }
    m_rating->setText(tr("Class %1 没有额定值。").arg(ratingText(*rating)));
}
