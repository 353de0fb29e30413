#include "FormDriver.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <array>

namespace fs = std::filesystem;

class SessionTest : public QObject {
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
        QCOMPARE(driver.opened.size(), std::size_t(4));
        auto read = [](const fs::path& path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
        };
        for (int i = 0; i < 4; ++i) {
            const fs::path name = std::array{"BLOCK A.txt", "BLOCK A-corrected.txt",
                                             "BLOCK A-midspan.txt", "BLOCK A-columnload.txt"}[i];
            QCOMPARE(driver.opened[i], written / name);
            QCOMPARE(read(written / name), read(VELMORA_UI_TEST_DATA / name));
        }
    }

    // A calculation that stops shows why and leaves the boxes as they were (the
    // calculation writes no input of the model); once corrected, the next succeeds.
    void stoppedCalculationKeepsEverything() {
        QTemporaryDir home;
        const fs::path folder = fs::path(home.path().toStdString()) / "velmora";
        FormDriver driver(folder);
        driver.setUp("STOP", "1", "2");
        driver.typeAll({"Text2", "Text3", "Text6"}, {"2", "2", "8"});
        driver.click("Command1");
        driver.typeAll({"Text14", "Text15", "Text8"}, {"1", "1", "10"});
        driver.click("Command9"); // L left empty: a span of 0
        auto stopsWith = [&driver](const QString& why) {
            const QStringList boxes = driver.texts(JointBoxes + RecordBoxes);
            driver.errors.clear();
            driver.click("Command2");
            return driver.errors.size() == 1 && driver.errors.front().contains(why) &&
                   driver.opened.empty() && driver.texts(JointBoxes + RecordBoxes) == boxes &&
                   driver.endRequests == 0;
        };
        QVERIFY2(stopsWith("L = 0"), qPrintable(driver.errors.join('\n')));
        driver.typeAll({"Text17"}, {"6"});
        driver.click("Command9");
        // The message names the missing folder, which the program never creates.
        QVERIFY2(stopsWith(QString::fromStdString(folder.string())),
                 qPrintable(driver.errors.join('\n')));
        QVERIFY(!fs::exists(folder));
        fs::create_directory(folder);
        driver.click("Command2");
        QVERIFY(driver.errors.size() == 1 && driver.opened.size() == 4 && driver.endRequests == 1);
    }
};

QTEST_MAIN(SessionTest)
#include "SessionTest.moc"
