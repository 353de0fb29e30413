#include "FormDriver.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace fs = std::filesystem;

namespace {

const char* const ReportNames[] = {"BLOCK A.txt", "BLOCK A-corrected.txt", "BLOCK A-midspan.txt",
                                   "BLOCK A-columnload.txt"};

QByteArray ReadAll(const fs::path& path) {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

/// Types the six boxes of the joint shown, Tab after each, then presses the
/// focused "D&ONE" with Space.
void KeyInJoint(FormDriver& driver, const QStringList& texts) {
    QCOMPARE(driver.focusName(), QStringLiteral("Text1"));
    for (const QString& text : texts) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        driver.key(Qt::Key_Tab);
    }
    QCOMPARE(driver.focusName(), QStringLiteral("Command1"));
    driver.key(Qt::Key_Space);
}

/// Types into the focused box and moves on with Tab.
void KeyIn(FormDriver& driver, const QString& text) {
    QTest::keyClicks(QApplication::focusWidget(), text);
    driver.key(Qt::Key_Tab);
}

void KeyInAllJoints(FormDriver& driver) {
    const QStringList joints[] = {
        {"0", "4", "3", "2", "", "24"}, {"4", "5", "3", "2", "24", "30"},
        {"5", "", "3", "2", "30", ""},  {"", "2", "2", "0", "", "2E-4"},
        {"2", "2.5", "2", "0", "", ""}, {"2.5", "0", "2", "0", "15", "0"},
    };
    for (const QStringList& joint : joints) {
        KeyInJoint(driver, joint);
        if (driver.focusName() == QStringLiteral("Command6")) {
            driver.key(Qt::Key_Space);
        }
    }
    QCOMPARE(driver.focusName(), QStringLiteral("Command5"));
}

void KeyInAllBays(FormDriver& driver) {
    // Record 1: floor 1, bay 1, UDL system.
    driver.click("Text14");
    KeyIn(driver, "1");
    KeyIn(driver, "1");
    driver.key(Qt::Key_Right);
    driver.key(Qt::Key_Space); // "UDL System": the point-load boxes are skipped
    driver.key(Qt::Key_Tab);
    KeyIn(driver, "12");
    KeyIn(driver, "6");
    driver.key(Qt::Key_Space); // "D&ONE"
    driver.key(Qt::Key_Space); // "Next -->"
    // Record 2: floor 1, bay 2, point-load system.
    KeyIn(driver, "1");
    KeyIn(driver, "2");
    driver.key(Qt::Key_Left); // from the chosen "UDL System" to "Point Load system"
    driver.key(Qt::Key_Tab);
    for (const char* text : {"6", "4", "20", "7.5", "3"}) {
        KeyIn(driver, text);
    }
    driver.key(Qt::Key_Space);
    driver.key(Qt::Key_Space);
    // Record 3: floor 2, bay 2, UDL system with the point-load boxes filled in.
    KeyIn(driver, "2");
    KeyIn(driver, "2");
    driver.key(Qt::Key_Tab);
    for (const char* text : {"8", "99", "99", "7.5", "1"}) {
        KeyIn(driver, text);
    }
    driver.click("Option2");
    driver.click("Command9");
    driver.key(Qt::Key_Space);
    // Record 4: floor 2, bay 1, point-load system.
    KeyIn(driver, "2");
    KeyIn(driver, "1");
    driver.key(Qt::Key_Left);
    driver.key(Qt::Key_Tab);
    for (const char* text : {"0", "", "10", "6", "3"}) {
        KeyIn(driver, text);
    }
    driver.key(Qt::Key_Space);
}

} // namespace

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    void wholeSessionWritesOpensAndEnds() {
        QTemporaryDir folder;
        FormDriver driver(fs::path(folder.path().toStdString()));
        driver.click("Text7");
        KeyIn(driver, "block a");
        KeyIn(driver, "2");
        KeyIn(driver, "3");
        driver.key(Qt::Key_Space);
        KeyInAllJoints(driver);
        KeyInAllBays(driver);
        QVERIFY(driver.errors.isEmpty());
        QCOMPARE(driver.model().BayLoads[3].PointLoad1, 99.0);
        QCOMPARE(driver.model().BayLoads[4].IsPointLoad, -1);

        driver.key(Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(driver.endRequests, 1);
        QVERIFY2(driver.errors.isEmpty(), qPrintable(driver.errors.join('\n')));
        QCOMPARE(driver.opened.size(), std::size_t(4));
        const fs::path golden(VELMORA_UI_TEST_DATA);
        const bool update = qEnvironmentVariableIsSet("VELMORA_UPDATE_GOLDEN");
        for (int i = 0; i < 4; ++i) {
            const fs::path written = fs::path(folder.path().toStdString()) / ReportNames[i];
            QCOMPARE(driver.opened[i], written);
            if (update) {
                fs::create_directories(golden);
                fs::copy_file(written, golden / ReportNames[i],
                              fs::copy_options::overwrite_existing);
            }
            QCOMPARE(ReadAll(written), ReadAll(golden / ReportNames[i]));
        }
    }

    void stoppedCalculationKeepsEverything() {
        QTemporaryDir home;
        const fs::path folder = fs::path(home.path().toStdString()) / "velmora";
        FormDriver driver(folder);
        driver.setUp("STOP", "1", "2");
        driver.type("Text2", "2");
        driver.type("Text3", "2");
        driver.type("Text6", "8");
        driver.click("Command1");
        driver.type("Text14", "1");
        driver.type("Text15", "1");
        driver.type("Text8", "10");
        driver.click("Command9"); // L left empty: a span of 0
        QString inputs = InputsOf(driver.model());
        const QStringList boxes = {driver.text("Text2"), driver.text("Text6"),
                                   driver.text("Text8")};
        driver.click("Command2");
        QCOMPARE(driver.errors.size(), 1);
        QVERIFY2(driver.errors.back().contains("L = 0"), qPrintable(driver.errors.back()));
        QCOMPARE(InputsOf(driver.model()), inputs);
        QCOMPARE(QStringList({driver.text("Text2"), driver.text("Text6"), driver.text("Text8")}),
                 boxes);

        // A missing folder is named in the message; the program never creates it.
        driver.type("Text17", "6");
        driver.click("Command9");
        inputs = InputsOf(driver.model());
        driver.click("Command2");
        QCOMPARE(driver.errors.size(), 2);
        QVERIFY2(driver.errors.back().contains(QString::fromStdString(folder.string())),
                 qPrintable(driver.errors.back()));
        QVERIFY(!fs::exists(folder));
        QCOMPARE(InputsOf(driver.model()), inputs);
        QCOMPARE(driver.endRequests, 0);
        QVERIFY(driver.opened.empty());
        QVERIFY(driver.find("Command2")->isVisible());

        fs::create_directory(folder);
        driver.click("Command2");
        QCOMPARE(driver.errors.size(), 2);
        QCOMPARE(driver.opened.size(), std::size_t(4));
        QCOMPARE(driver.endRequests, 1);
        QVERIFY(fs::exists(folder / "STOP-columnload.txt"));
    }

    void endAndCloseEndAtOnce_data() {
        QTest::addColumn<bool>("useEnd");
        QTest::newRow("&END") << true;
        QTest::newRow("close control") << false;
    }

    void endAndCloseEndAtOnce() {
        QFETCH(bool, useEnd);
        QTemporaryDir folder;
        FormDriver driver(fs::path(folder.path().toStdString()));
        driver.setUp("GONE", "1", "2");
        driver.type("Text1", "5");
        driver.click("Command1");
        if (useEnd) {
            driver.key(Qt::Key_E, Qt::AltModifier);
            QTRY_COMPARE(driver.endRequests, 1);
        } else {
            driver.form().close();
            QCOMPARE(driver.endRequests, 1);
        }
        QVERIFY(driver.errors.isEmpty());
        QVERIFY(driver.opened.empty());
        QVERIFY(fs::is_empty(fs::path(folder.path().toStdString())));
    }
};

QTEST_MAIN(SessionTest)
#include "SessionTest.moc"
