#include "BankError.h"
#include "SourceJson.h"
#include "TreeBuilder.h"
#include "TreeFiles.h"
#include "TreeReader.h"
#include "platform/FieldReader.h"
#include "support/DataTree.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace examtrainer;
using namespace examtrainer::bank;

namespace {

// Every file below a folder with its bytes, by relative path.
std::map<QString, QByteArray> folderContents(const QString& folder) {
    std::map<QString, QByteArray> contents;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        contents[QDir(folder).relativeFilePath(path)] = file.readAll();
    }
    return contents;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// JSON written with single quotes, which read better inside C++ strings.
QString j(const char* text) {
    return QString::fromUtf8(text).replace('\'', '"');
}

const QByteArray kJpeg = QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00 picture bytes", 22);

// A small valid source: one category, one test, one bank of one question, one figure. Each
// fault replaces one piece of it.
struct Source {
    QTemporaryDir dir;
    QString catalogue = j("{'categories': [{'name': 'C', 'tests': [\n"
                          "        {'name': 'T', 'settings': ['id', '30', '40', '30', '2', '75'], "
                          "'links': [[1, 'B', 1, 0]]}]}]}");
    QString question =
        j("'number': 1, 'level': 'High', 'points': '2', 'question': 'Q?',\n"
          "        'answers': ['a', 'b', 'c'], 'key': 'b', 'area': 'Area, with a comma',\n"
          "        'comments': ' starts with a blank', 'figures': ['fig']");
    QString extraQuestion;
    QString bankName = "B";
    QByteArray figure = kJpeg;

    QString write() {
        writeFile(dir.path() + "/catalogue.json", catalogue.toUtf8());
        QString questions = "{" + question + "}";
        if (!extraQuestion.isEmpty())
            questions += ", {" + extraQuestion + "}";
        writeFile(
            dir.path() + "/banks/B.json",
            ("{\"name\": \"" + bankName + "\", \"questions\": [" + questions + "]}").toUtf8());
        writeFile(dir.path() + "/figures/fig.jpg", figure);
        return dir.path();
    }
};

QString buildFailure(const QString& sourceFolder, const QString& target) {
    try {
        writeTreeFiles(buildTreeFiles(readSource(sourceFolder)), target);
    } catch (const BankError& error) {
        return QString::fromLatin1(error.what());
    }
    return {};
}

} // namespace

class BankTest : public QObject {
    Q_OBJECT
private slots:
    void theSampleTreeRoundTripsByteForByte() {
        QTemporaryDir work;
        const QString first = work.path() + "/first";
        writeTreeFiles(buildTreeFiles(readSource(EXAMTRAINER_SAMPLE_SOURCE)), first);
        QCOMPARE(folderContents(first), folderContents(EXAMTRAINER_SAMPLE_TREE));

        writeFolder(sourceFiles(readTree(first)), work.path() + "/source", {"catalogue.json"});
        writeTreeFiles(buildTreeFiles(readSource(work.path() + "/source")),
                       work.path() + "/second");
        const auto a = folderContents(first);
        const auto b = folderContents(work.path() + "/second");
        QCOMPARE(a.size(), b.size());
        QVERIFY(a == b);
        QVERIFY(a.size() > 1000);
    }

    void exportOnlyReadsTheTreeAndUnmasksTheCopy() {
        QTemporaryDir work;
        const QString tree = work.path() + "/tree";
        writeTreeFiles(buildTreeFiles(readSource(EXAMTRAINER_SAMPLE_SOURCE)), tree);
        const auto before = folderContents(tree);
        writeFolder(sourceFiles(readTree(tree)), work.path() + "/source", {"catalogue.json"});
        QVERIFY(folderContents(tree) == before);
        QVERIFY(before.at("FigFiles/vor.jpg").startsWith("aaaa"));
        QFile copy(work.path() + "/source/figures/vor.jpg");
        QVERIFY(copy.open(QIODevice::ReadOnly));
        const QByteArray unmasked = copy.readAll();
        QVERIFY(unmasked.startsWith("\xFF\xD8\xFF\xE0"));
        QCOMPARE(unmasked.mid(4), before.at("FigFiles/vor.jpg").mid(4));
    }

    void fieldsReadBackExactly() {
        Source source;
        QTemporaryDir work;
        source.question = j("'number': 1, 'level': 'High', 'points': '2',\n"
                            "            'area': 'Wind, weather and \\'visibility\\''");
        QVERIFY(buildFailure(source.write(), work.path() + "/t").contains("double quote"));

        source.question =
            j("'number': 1, 'level': 'High', 'points': '2',\n"
              "            'area': 'Wind, weather, visibility', 'comments': ' Two lines,\\r\\nand "
              "a comma',\n"
              "            'figures': ['fig', '', 'fig'], 'answerFigureFields': ['fig']");
        const QString target = work.path() + "/tree";
        QCOMPARE(buildFailure(source.write(), target), QString());
        testing::DataTree reading; // only to restore the data root afterwards
        qputenv("EXAMTRAINER_DATA_ROOT", target.toLocal8Bit());
        QCOMPARE(FieldReader::open("C:\\Com\\Refs\\BRef\\Q1\\Area.txt").next(),
                 std::string("Wind, weather, visibility"));
        QCOMPARE(FieldReader::open("C:\\Com\\Refs\\BRef\\Q1\\Comments.txt").next(),
                 std::string(" Two lines,\r\nand a comma"));
        FieldReader figures = FieldReader::open("C:\\Com\\Refs\\BRef\\Q1\\FigArray.txt");
        std::vector<std::string> names;
        while (!figures.atEnd())
            names.push_back(figures.next());
        QCOMPARE(names.size(), std::size_t(11));
        QCOMPARE(names[2], std::string("fig"));
        QCOMPARE(folderContents(target).at("Refs/BRef/Q1/AnsFigArray.txt"), QByteArray("fig\r\n"));
        QCOMPARE(folderContents(target).at("FigFiles/fig.jpg"), "aaaa" + kJpeg.mid(4));
    }

    void threeAnswerQuestionsHaveAnEmptyAnswerD() {
        Source source;
        QTemporaryDir work;
        QCOMPARE(buildFailure(source.write(), work.path() + "/tree"), QString());
        const auto files = folderContents(work.path() + "/tree");
        QCOMPARE(files.at("QuestionSet/B/Ansd/Answerd0.txt"), QByteArray());
        QCOMPARE(files.at("QuestionSet/B/Correct/Correct0.txt").size(), 1);
        QVERIFY(!files.count("QuestionSet/B/Ques/Question1.txt"));
    }

    void faultsAreRefusedAndNothingIsWritten_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("message");
        const QString q = j("'number': 1, 'level': 'High', 'points': '2'");
        QTest::newRow("missing number") << "question" << j("'level': 'High'") << "number: missing";
        QTest::newRow("duplicate number") << "extra" << q << "question 1: the number is used twice";
        QTest::newRow("key letter") << "question" << q + j(", 'key': 'e'") << "question 1, key";
        QTest::newRow("capital key") << "question" << q + j(", 'key': 'B'") << "question 1, key";
        QTest::newRow("quote in a level") << "question" << j("'number': 1, 'level': 'Hi\\'gh'")
                                          << "question 1, level: a double quote";
        QTest::newRow("twelve figures")
            << "question" << q + j(", 'figures': ['f','f','f','f','f','f','f','f','f','f','f','f']")
            << "at most 11 figures";
        QTest::newRow("figure name leaves the root")
            << "question" << q + j(", 'figures': ['..\\\\..\\\\x']") << "question 1, figures";
        QTest::newRow("two answers")
            << "question" << q + j(", 'answers': ['a', 'b']") << "three or four answers";
        QTest::newRow("bank name leaves the root") << "bank"
                                                   << ".."
                                                   << "would leave the data root";
        QTest::newRow("bank name with a folder") << "bank"
                                                 << "A\\\\B"
                                                 << "bank \"A\\B\"";
        QTest::newRow("figure not a JPEG") << "figure"
                                           << "GIF89a"
                                           << "figure \"fig\": not a JPEG";
        QTest::newRow("missing settings")
            << "catalogue" << j("{'categories': [{'name': 'C', 'tests': [{'name': 'T'}]}]}")
            << "settings: missing";
        QTest::newRow("short settings")
            << "catalogue"
            << j("{'categories': [{'name': 'C', 'tests': [{'name': 'T', 'settings': ['1']}]}]}")
            << "six fields";
        QTest::newRow("category leaves the root")
            << "catalogue" << j("{'categories': [{'name': '..', 'tests': null}]}")
            << "would leave the data root";
        QTest::newRow("not JSON") << "catalogue"
                                  << "{categories"
                                  << "catalogue.json";
        QTest::newRow("outside the code page")
            << "catalogue" << j("{'categories': [{'name': '中', 'tests': null}]}")
            << "Windows-1252";
    }
    void faultsAreRefusedAndNothingIsWritten() {
        QFETCH(QString, field);
        QFETCH(QString, replacement);
        QFETCH(QString, message);
        Source source;
        if (field == "question")
            source.question = replacement;
        else if (field == "extra")
            source.extraQuestion = replacement;
        else if (field == "bank")
            source.bankName = replacement;
        else if (field == "figure")
            source.figure = replacement.toLatin1();
        else
            source.catalogue = replacement;
        QTemporaryDir work;
        const QString target = work.path() + "/tree";
        const QString failure = buildFailure(source.write(), target);
        QVERIFY2(failure.contains(message), qPrintable(failure));
        QVERIFY(!QFileInfo::exists(target));
        QCOMPARE(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }

    void aTreeFromAnotherToolReadsTheSameAfterARoundTrip() {
        // Written the way other tools do it: LF line ends, several fields per line, a level file
        // with more than one field, a short figure list, an unmasked figure, a reference folder
        // in other letter case, an unlinked question with texts only.
        testing::DataTree tree;
        tree.write("TestSets\\Categories\\Primary.txt", "Radio,Met\n\n");
        tree.write("TestSets\\Categories\\Radio.txt", "\"Nav, 1\"\n");
        tree.write("TestSets\\Radio\\Nav, 1Set\\TestData.txt", "x\n30\n40\n30\n2\n75\n");
        tree.write("TestSets\\Radio\\Nav, 1Set\\QuestionLink.txt", " 7 , Radio , 1 , 3\n");
        tree.write("History\\Disabled.txt", "1,Radio\n0,\nbroken");
        tree.write("QuestionSet\\Radio\\Level\\Level0.txt", "High,ignored\n");
        tree.write("QuestionSet\\Radio\\Points\\Points0.txt", "2\n");
        tree.texts("Radio", 1, "Q", {"a", "b", "c", "d"}, "c");
        tree.texts("Radio", 2, "Unlinked", {"a", "b", "c"}, "a");
        tree.write("Refs\\radioRef\\Q1\\Area.txt", "\"Area, quoted\",rest\n");
        tree.write("Refs\\radioRef\\Q1\\FigArray.txt", "fig\nfig\n");
        tree.write("FigFiles\\fig.jpg", kJpeg.toStdString());
        const DataSource first = readTree(tree.root());

        QTemporaryDir work;
        writeFolder(sourceFiles(first), work.path() + "/source", {"catalogue.json"});
        writeTreeFiles(buildTreeFiles(readSource(work.path() + "/source")), work.path() + "/tree");
        const DataSource second = readTree(work.path() + "/tree");
        QVERIFY(sourceFiles(first) == sourceFiles(second));

        QCOMPARE(first.categories.size(), std::size_t(2));
        QVERIFY(!first.categories[1].tests);
        QCOMPARE((*first.categories[0].tests)[0].links->front().bank, std::string("Radio "));
        QCOMPARE(first.disabled->size(), std::size_t(2));
        const QuestionSource& q1 = first.banks[0].questions[0];
        QCOMPARE(*q1.level, std::string("High"));
        QCOMPARE(*q1.area, std::string("Area, quoted"));
        QVERIFY(q1.figures->shortFile);
        QCOMPARE(first.banks[0].questions[1].answers->size(), std::size_t(3));
        QCOMPARE(first.figures.at("fig"), kJpeg.toStdString());
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "build SOURCE DATAROOT";
        QTest::newRow("no command") << QStringList{} << 2 << "no command given";
        QTest::newRow("unknown command") << QStringList{"check"} << 2 << "unknown command";
        QTest::newRow("build without target") << QStringList{"build", "x"} << 2 << "build takes";
        QTest::newRow("missing source")
            << QStringList{"build", "/nonexistent", "@"} << 1 << "catalogue.json: cannot be read";
        QTest::newRow("export of nothing")
            << QStringList{"export", "/nonexistent", "@"} << 1 << "no such folder";
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QTemporaryDir work;
        arguments.replaceInStrings("@", work.path() + "/out");
        QProcess tool;
        tool.start(EXAMTRAINER_BANK_TOOL, arguments);
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), exitCode);
        const QString printed = tool.readAllStandardOutput() + tool.readAllStandardError();
        QVERIFY2(printed.contains(output), qPrintable(printed));
    }

    void theToolLeavesOtherFoldersAlone() {
        QTemporaryDir work;
        writeFile(work.path() + "/mine/letter.txt", "keep me");
        QProcess tool;
        tool.start(EXAMTRAINER_BANK_TOOL,
                   {"build", EXAMTRAINER_SAMPLE_SOURCE, work.path() + "/mine"});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 1);
        QCOMPARE(folderContents(work.path() + "/mine").size(), std::size_t(1));
    }
};

QTEST_MAIN(BankTest)
#include "tst_bank.moc"
