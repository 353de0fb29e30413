#include "ui/Form1.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <filesystem>
#include <memory>
#include <tuple>
#include <vector>

namespace fs = std::filesystem;

/// The boxes of the joint panel and of the bay-load panel, in panel order.
const QStringList JointBoxes = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};
const QStringList RecordBoxes = {"Text14", "Text15", "Text8", "Text10",
                                 "Text13", "Text17", "Text16"};

/// The window as a user drives it, with the desktop replaced by recorders.
class FormDriver {
public:
    /// Calculations write into `reportFolder`; the default does not exist.
    explicit FormDriver(const fs::path& reportFolder = "/nonexistent/velmora")
        : form_(std::make_unique<Form1>(WindowServices{
              .openReport = [this](const fs::path& path) { opened.push_back(path); },
              .showError = [this](const QString& message) { errors.append(message); },
              .endProgram = [this] { ++endRequests; },
              .reportFolder = reportFolder})) {
        form_->show();
        if (!QTest::qWaitForWindowActive(form_.get())) {
            qFatal("The window did not become active");
        }
    }

    const FrameModel& model() const { return form_->model(); }
    template <typename Control = QWidget> Control* find(const QString& name) const {
        return form_->findChild<Control*>(name);
    }
    QString text(const QString& box) const { return find<QLineEdit>(box)->text(); }
    QStringList texts(QStringList boxes) const {
        for (QString& box : boxes) {
            box = text(box);
        }
        return boxes;
    }
    bool enabled(const QString& name) const { return find(name)->isEnabled(); }

    void click(const QString& name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    /// Clicks into each box, selects its text and types over it.
    void typeAll(const QStringList& boxes, const QStringList& texts) {
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            click(boxes[i]);
            key(Qt::Key_A, Qt::ControlModifier);
            key(Qt::Key_Delete);
            keys(texts[i]);
        }
    }
    /// Types at the focus: "\t" is Tab, "\r" Enter, "<" and ">" the arrows Left and Right,
    /// "&C" the access key Alt+C.
    void keys(const QString& typed) {
        for (qsizetype i = 0; i < typed.size(); ++i) {
            if (typed[i] == u'&') {
                key(Qt::Key(typed[++i].unicode()), Qt::AltModifier);
            } else if (typed[i] == u'<' || typed[i] == u'>') {
                key(typed[i] == u'<' ? Qt::Key_Left : Qt::Key_Right);
            } else {
                QTest::keyClick(QApplication::focusWidget(), typed[i].toLatin1());
            }
        }
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : form_.get(), key, modifiers);
    }
    /// Types the three setup boxes and clicks "&OK".
    void setUp(const QString& name, const QString& floors, const QString& columns) {
        typeAll({"Text7", "Text11", "Text12"}, {name, floors, columns});
        click("Command4");
    }

    QStringList errors;
    std::vector<fs::path> opened;
    int endRequests = 0;

private:
    std::unique_ptr<Form1> form_;
};

namespace {

/// The chosen load-system option, then whether each point-load box is enabled.
QString LoadSystem(const FormDriver& driver) {
    QString state = driver.find<QRadioButton>("Option1")->isChecked()   ? "Option1"
                    : driver.find<QRadioButton>("Option2")->isChecked() ? "Option2"
                                                                        : "neither";
    for (const char* box : {"Text10", "Text13", "Text16"}) {
        state += driver.enabled(box) ? " on" : " off";
    }
    return state;
}

/// What a screen reader is told of a widget.
QString Told(QWidget* widget, QAccessible::Text what) {
    QAccessibleInterface* told = QAccessible::queryAccessibleInterface(widget);
    return told != nullptr ? told->text(what) : QString();
}

/// Every control shown lies inside its panel and every panel inside the window;
/// no two boxes or buttons shown overlap, so each can be seen and clicked.
void CheckLayout(const FormDriver& driver) {
    QWidget* window = driver.find("Frame1")->window();
    QList<QWidget*> clickable;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || !control->isVisible()) {
            continue;
        }
        QVERIFY2(control->parentWidget()->rect().contains(control->geometry()),
                 qPrintable(control->objectName()));
        if (qobject_cast<QLineEdit*>(control) || qobject_cast<QPushButton*>(control)) {
            for (QWidget* other : clickable) {
                QVERIFY2(!QRect(control->mapTo(window, QPoint()), control->size())
                              .intersects(QRect(other->mapTo(window, QPoint()), other->size())),
                         qPrintable(control->objectName() + " over " + other->objectName()));
            }
            clickable.append(control);
        }
    }
}

/// The bay-load panel's record counter: what it shows, then what a screen reader is told.
QStringList RecordCounter(const FormDriver& driver) {
    auto* counter = driver.find<QLabel>("Label23");
    return {counter->text(), Told(counter, QAccessible::Name)};
}

QStringList CounterSays(int shown, int total) {
    return {QString("RECORD %1 OF %2").arg(shown).arg(total),
            QString("Bay record %1 of %2").arg(shown).arg(total)};
}

/// The counter lies inside the bay-load panel, clear of every other control of it
/// (so none of theirs moved or grew for it), its text whole, taking no focus.
void CheckRecordCounter(const FormDriver& driver) {
    auto* counter = driver.find<QLabel>("Label23");
    QVERIFY(counter->parentWidget() == driver.find("Frame3"));
    QVERIFY(counter->parentWidget()->rect().contains(counter->geometry()));
    for (QWidget* other :
         counter->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(other == counter || !other->geometry().intersects(counter->geometry()),
                 qPrintable(other->objectName()));
    }
    QVERIFY2(counter->heightForWidth(counter->width()) <= counter->height(),
             qPrintable(counter->text()));
    QVERIFY(counter->focusPolicy() == Qt::NoFocus && counter->buddy() == nullptr);
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    // A 2 x 3 frame typed as a person would: the four reports match the expected ones
    // byte for byte, are asked to open in order, and the program ends.
    void typedSessionWritesOpensAndEnds() {
        QTemporaryDir folder;
        const fs::path written(folder.path().toStdString());
        FormDriver driver(written);
        // Joints 4 .. 9: k1 .. k4, M1 and M2, "D&ONE", then "&NEXT  -->" but at the last.
        driver.keys("block a\t2\t3\t 0\t4\t3\t2\t\t24\t  4\t5\t3\t2\t24\t30\t  5\t\t3\t2\t30\t\t  "
                    "\t2\t2\t0\t\t2E-4\t  2\t2.5\t2\t0\t\t\t  2.5\t0\t2\t0\t15\t0\t ");
        // Floor 1 bay 1: Right, then Space chooses "UDL System", whose boxes Tab skips.
        driver.click("Text14");
        driver.keys("1\t1\t> \t12\t6\t  ");
        // Floor 1 bay 2: Left from the chosen "UDL System" chooses "Point Load system".
        driver.keys("1\t2\t<\t6\t4\t20\t7.5\t3\t  ");
        // Floor 2 bay 2: point-load boxes filled in, then "UDL System" by mouse.
        driver.keys("2\t2\t\t8\t99\t99\t7.5\t1\t");
        driver.click("Option2");
        driver.click("Command9");
        // "Next -->", then floor 2 bay 1 with the point-load system, and "&CALCULATE".
        driver.keys(" 2\t1\t<\t0\t\t10\t6\t3\t &C");

        QTRY_COMPARE(driver.endRequests, 1);
        QVERIFY2(driver.errors.isEmpty(), qPrintable(driver.errors.join('\n')));
        QCOMPARE(driver.opened.size(), std::size_t(5));
        for (int i = 0; i < 4; ++i) {
            const fs::path name = std::array{"BLOCK A.txt", "BLOCK A-corrected.txt",
                                             "BLOCK A-midspan.txt", "BLOCK A-columnload.txt"}[i];
            QCOMPARE(driver.opened[i], written / name);
            QFile report(written / name), expected(VELMORA_UI_TEST_DATA / name);
            QVERIFY(report.open(QIODevice::ReadOnly) && expected.open(QIODevice::ReadOnly));
            QCOMPARE(report.readAll(), expected.readAll());
        }
        QCOMPARE(driver.opened[4], written / "BLOCK A.html"); // the frame page, last
    }

    // The setup panel alone, then the joint and bay-load panels with the window buttons;
    // a frame of one bay has no other record to go to: record 1 of 1, "D&ONE" or not.
    // The largest count, 100 bays, walked to its end.
    void layoutKeepsControlsApart() {
        FormDriver driver;
        CheckLayout(driver);
        driver.setUp("L", "1", "2");
        CheckLayout(driver);
        QCOMPARE(RecordCounter(driver), CounterSays(1, 1));
        driver.click("Command9");
        QCOMPARE(RecordCounter(driver), CounterSays(1, 1));
        CheckRecordCounter(driver);
        QVERIFY(!driver.enabled("Command7") && !driver.enabled("Command8"));
        FormDriver largest; // 100 records: the counter's two lines fit at every one
        largest.setUp("HUNDRED", "4", "26");
        for (int shown = 2; shown <= 100 && !QTest::currentTestFailed(); ++shown) {
            largest.click("Command7");
            QCOMPARE(RecordCounter(largest), CounterSays(shown, 100));
            CheckRecordCounter(largest);
        }
    }

    // The arrows walk joints 4 .. 6 of floor 1 and 7 .. 9 of floor 2, drop unstored
    // text and show what was stored. Tabbing through a reloaded M1 keeps it: only what
    // the user types is reversed.
    void jointArrowsShowTheStoredJoints() {
        FormDriver driver;
        driver.setUp("N", "2", "3");
        driver.typeAll(JointBoxes, {"0.5", "", "3", "2", "10", "-4"});
        driver.click("Command1");
        driver.click("Command6");
        driver.typeAll({"Text1"}, {"9"});
        const QStringList stored = {"0.5", "0", "3", "2", "-10", "-4"};
        const std::tuple<const char*, int, int, bool, bool> steps[] = {
            {"Command6", 6, 1, true, true}, {"Command6", 7, 2, true, true},
            {"Command6", 8, 2, true, true}, {"Command6", 9, 2, true, false},
            {"Command5", 8, 2, true, true}, {"Command5", 7, 2, true, true},
            {"Command5", 6, 1, true, true}, {"Command5", 5, 1, true, true},
            {"Command5", 4, 1, false, true}};
        for (const auto& [button, joint, floor, back, next] : steps) {
            driver.click(button);
            QVERIFY2(driver.model().CurrentJoint == joint, button);
            QCOMPARE(driver.text("Text9"), QString::number(joint));
            QCOMPARE(driver.find<QLabel>("Label2")->text(), QString("FLOOR :- %1").arg(floor));
            QVERIFY(driver.enabled("Command5") == back && driver.enabled("Command6") == next);
            QCOMPARE(driver.texts(JointBoxes), joint == 4 ? stored : QStringList(6, QString()));
        }
        driver.click("Text4");
        driver.keys("\t\t");
        driver.click("Command1");
        QCOMPARE(driver.model().M1[4].value(), -10.0);
    }

    // "UDL System" disables the point-load boxes, yet "D&ONE" stores them. The arrows
    // choose "Point Load system" for a point-load record and otherwise clear the choice,
    // never choosing "UDL System" nor disabling a box. The counter beside the heading
    // shows which of the floors x (columns - 1) records the boxes hold, after the setup
    // (one refused and typed again counts the frame finally set up) and every move; a
    // screen reader is told it by the counter's name.
    void bayArrowsShowTheStoredRecords() {
        FormDriver driver;
        driver.setUp("B", "3", "101"); // 404 joints: refused
        QCOMPARE(driver.errors.size(), 1);
        driver.setUp("B", "2", "3");
        QCOMPARE(RecordCounter(driver), CounterSays(1, 4));
        driver.typeAll(RecordBoxes, {"1", "2.5", "10", "99", "98", "6", "1"});
        driver.click("Option2");
        QCOMPARE(LoadSystem(driver), QStringLiteral("Option2 off off off"));
        driver.click("Command9");
        const BayLoad& stored = driver.model().BayLoads[1];
        QVERIFY(stored.FloorNo == 1 && stored.BayNo == 2 && stored.IsPointLoad == 0 &&
                stored.Udl1 == 10 && stored.Udl2 == 99 && stored.PointLoad1 == 98 &&
                stored.SpanL == 6 && stored.LoadX == 1);
        QCOMPARE(driver.text("Text15"), QStringLiteral("2.5"));
        driver.click("Command7");
        QCOMPARE(RecordCounter(driver), CounterSays(2, 4));
        QCOMPARE(driver.texts(RecordBoxes), QStringList(7, QStringLiteral("0")));
        QCOMPARE(LoadSystem(driver), QStringLiteral("Option2 off off off"));
        driver.click("Option1");
        driver.click("Command9"); // record 2: point load
        driver.click("Command8");
        QVERIFY(!driver.enabled("Command8") && driver.enabled("Command7")); // back at record 1
        QCOMPARE(RecordCounter(driver), CounterSays(1, 4));
        QCOMPARE(driver.texts(RecordBoxes), QStringList({"1", "2", "10", "99", "98", "6", "1"}));
        QCOMPARE(LoadSystem(driver), QStringLiteral("neither on on on"));
        driver.click("Option2");
        driver.click("Command7");
        QCOMPARE(LoadSystem(driver), QStringLiteral("Option1 on on on"));
        driver.click("Command7"); // record 3 was never stored
        QCOMPARE(LoadSystem(driver), QStringLiteral("neither on on on"));
        driver.click("Command7");
        QVERIFY(driver.model().CurrentBay == 4 && !driver.enabled("Command7"));
        driver.click("Command9"); // on the last record, "D&ONE" hands the focus to the way back
        QCOMPARE(RecordCounter(driver), CounterSays(4, 4));
        CheckRecordCounter(driver);
        driver.click("Label23"); // which takes no focus
        QCOMPARE(QApplication::focusWidget(), driver.find("Command8"));
        driver.click("Command8");
        QCOMPARE(RecordCounter(driver), CounterSays(3, 4));
    }

    // "&CALCULATE" refuses a beam typed with two stiffnesses and then a bay named by two
    // records, each with a message that says where, and keeps every value; corrected on
    // the panels, the frame calculates.
    void slipsAreRefusedThenCorrectedAndCalculated() {
        QTemporaryDir folder;
        FormDriver driver(fs::path(folder.path().toStdString()));
        driver.setUp("S", "1", "3");
        for (const QStringList& typed : {QStringList{"0", "2", "1", "0", "", "10"},
                                         QStringList{"2.5", "2", "1", "0", "10", "10"},
                                         QStringList{"2", "0", "1", "0", "10", ""}}) {
            driver.typeAll(JointBoxes, typed);
            driver.click("Command1");
            driver.click("Command6");
        }
        for (int record = 1; record <= 2; ++record) {
            driver.click("Option1"); // the point-load boxes enabled to type into
            driver.typeAll(RecordBoxes, {"1", "1", "10", "0", "0", "6", "0"});
            driver.click("Option2");
            driver.click("Command9");
            driver.click("Command7");
        }
        driver.click("Command2");
        driver.click("Command5"); // back to joint 5, whose k1 is the slip
        driver.typeAll({"Text1"}, {"2"});
        driver.click("Command1");
        driver.click("Command2");
        driver.typeAll({"Text15"}, {"2"}); // record 2, still shown, gets bay 2
        driver.click("Command9");
        driver.click("Command2");
        QTRY_COMPARE(driver.endRequests, 1);
        // The messages themselves are the core's, asserted where they are made.
        QCOMPARE(driver.errors.size(), 2);
        QVERIFY(driver.errors[0].startsWith("The beam from joint 4 to joint 5"));
        QVERIFY(driver.errors[1].startsWith("Bay records 1 and 2 both describe bay 1"));
        QCOMPARE(driver.opened.size(), std::size_t(5));
        QCOMPARE(driver.model().M1[5].value(), -10.0);
    }

    // "D&ONE" refuses a number it cannot store (K2 beyond a double, a floor below
    // -32768), names the box by its label and stores nothing; the box keeps its text.
    // The joint panel's "D&ONE" is pressed with Enter, which clicks a focused button.
    void unstorableNumberIsRefusedByItsLabel() {
        // The box, what is typed, its label, the keys that press "D&ONE" ("": a click).
        const std::array<QString, 4> rows[] = {{"Text2", "1E400", "K2 =", "\t\t\t\t\t\r"},
                                               {"Text14", "-32768.6", "FLOOR :-", ""}};
        for (const auto& [box, typed, label, press] : rows) {
            FormDriver driver;
            driver.setUp("B", "2", "3");
            driver.typeAll(JointBoxes + RecordBoxes, QStringList(13, QStringLiteral("5")));
            driver.typeAll({box}, {typed});
            press.isEmpty() ? driver.click("Command9") : driver.keys(press);
            QCOMPARE(driver.errors.size(), 1);
            QVERIFY2(driver.errors.front().startsWith(label + ' '), qPrintable(driver.errors[0]));
            QVERIFY(driver.model().K[4][1].isEmpty() && driver.model().BayLoads[1].SpanL == 0);
            QCOMPARE(driver.text(box), typed);
        }
    }

    // A screen reader tells each panel by its name and each box and button by a name
    // unique in the window (the two "D&ONE" are "Store this joint" and "Store this bay
    // record"), with a description, unique in its panel, that names the unit of the
    // quantity a box holds. The floor caption's name follows the joint shown.
    void screenReadersTellEveryControlApart() {
        FormDriver driver;
        driver.setUp("A", "2", "3");
        const std::pair<const char*, const char*> panels[] = {
            {"Frame2", "Setup"}, {"Frame1", "Joint"}, {"Frame3", "Bay load"}};
        QSet<QString> names;
        for (const auto& [frame, panelName] : panels) {
            QCOMPARE(Told(driver.find(frame), QAccessible::Name), QString(panelName));
            QSet<QString> descriptions;
            for (QWidget* control : driver.find(frame)->findChildren<QWidget*>()) {
                if (qobject_cast<QLineEdit*>(control) || qobject_cast<QAbstractButton*>(control)) {
                    const QString name = Told(control, QAccessible::Name);
                    const QString description = Told(control, QAccessible::Description);
                    QVERIFY2(!name.isEmpty() && !names.contains(name) && !description.isEmpty() &&
                                 !descriptions.contains(description),
                             qPrintable(control->objectName() + ": " + name));
                    names.insert(name);
                    descriptions.insert(description);
                }
            }
        }
        const std::pair<const char*, const char*> units[] = {
            {"Text1", "no unit"}, {"Text2", "no unit"}, {"Text3", "no unit"}, {"Text4", "no unit"},
            {"Text5", "kN·m"},    {"Text6", "kN·m"},    {"Text8", "kN/m"},    {"Text10", "kN/m"},
            {"Text13", "kN"},     {"Text17", "m"},      {"Text16", "m"}};
        for (const auto& [box, unit] : units) {
            const QRegularExpression word(QStringLiteral("(^|[ ,(])%1([ ,;)]|$)")
                                              .arg(QRegularExpression::escape(QString(unit))));
            QVERIFY2(word.match(Told(driver.find(box), QAccessible::Description)).hasMatch(), box);
        }
        // The bay-load panel's record counter, a label, is told by what it shows.
        QCOMPARE(Told(driver.find("Label23"), QAccessible::Name),
                 QStringLiteral("Bay record 1 of 4"));
        QVERIFY(Told(driver.find("Label23"), QAccessible::Description).startsWith("Which bay"));
        for (int joint = 5; joint <= 7; ++joint) {
            driver.click("Command6");
        }
        QCOMPARE(Told(driver.find("Label2"), QAccessible::Name), QStringLiteral("Floor 2"));
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
