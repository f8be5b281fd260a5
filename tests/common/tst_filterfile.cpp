#include "FilterFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestFilterFile : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void defaultStatement_data();
    void defaultStatement();
    void statementAt();
    void missingAndRewrittenFile();
    void fileNames();
};

void TestFilterFile::lines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("statements");

    const QByteArray bom("\xEF\xBB\xBF");
    QTest::newRow("LF") << QByteArray("a;select 1\nb;select 2\n") << QStringList{"a", "b"}
                        << QStringList{"select 1", "select 2"};
    QTest::newRow("CRLF with BOM") << bom + "a;select 1\r\nb;select 2\r\n"
                                   << QStringList{"a", "b"} << QStringList{"select 1", "select 2"};
    QTest::newRow("CR, no final line end")
        << QByteArray("a;select 1\rb;select 2") << QStringList{"a", "b"} << QStringList{"select 1", "select 2"};
    QTest::newRow("Czech letters") << bom + "nevrácené;select * from loans where customer='Novák'\n"
                                   << QStringList{"nevrácené"}
                                   << QStringList{"select * from loans where customer='Novák'"};
    QTest::newRow("empty line keeps its place") << QByteArray("a;select 1\n\nc;select 3\n") << QStringList{"a", "", "c"}
                                                << QStringList{"select 1", "", "select 3"};
    QTest::newRow("line without separator")
        << QByteArray("jen popisek\n") << QStringList{"jen popisek"} << QStringList{""};
    QTest::newRow("further fields ignored")
        << QByteArray("a;select 1;default;x\n") << QStringList{"a"} << QStringList{"select 1"};
    QTest::newRow("empty file") << QByteArray() << QStringList{} << QStringList{};
    QTest::newRow("only a BOM") << bom << QStringList{} << QStringList{};
}

void TestFilterFile::lines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, statements);
    const FilterFile file = FilterFile::parse(bytes);
    QStringList gotCaptions, gotStatements;
    for (const FilterLine& line : file.lines()) {
        gotCaptions << line.caption();
        gotStatements << line.statement();
    }
    QCOMPARE(gotCaptions, captions);
    QCOMPARE(gotStatements, statements);
}

void TestFilterFile::defaultStatement_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    const QByteArray two = "l1;select 1\n"
                           "l2;select 2;default\n"
                           "l3;select 3\n"
                           "l4;select 4\n"
                           "l5;select 5 default\n";
    QTest::newRow("loans: the last marked line wins") << "loans" << two << "select 5 default";
    QTest::newRow("contacts: the first marked line wins") << "contacts" << two << "select 2";
    QTest::newRow("loans: no marked line")
        << "loans" << QByteArray("a;select 1\n") << FilterFileKind::loans().builtInDefault;
    QTest::newRow("loans: a word containing default marks the line")
        << "loans" << QByteArray("a;select 1;default\nb;select * from loans where returned>defaultdate\n")
        << "select * from loans where returned>defaultdate";
    QTest::newRow("loans: the mark is case-sensitive")
        << "loans" << QByteArray("a;select 1 DEFAULT\n") << FilterFileKind::loans().builtInDefault;
    QTest::newRow("loans: a marked line without statement is no default")
        << "loans" << QByteArray("a;select 1;default\nb default\nc;;default\n") << "select 1";

    const QByteArray devices = "plánované;select * from devices where nextdate>defaultdate order by nextdate;default\n"
                               "všechna;select * from devices order by devicenumber desc\n"
                               "bez plánu;select * from devices where nextdate<=defaultdate\n";
    QTest::newRow("devices: defaultdate is not a mark")
        << "devices" << devices << "select * from devices where nextdate>defaultdate order by nextdate";
    QTest::newRow("devices: only defaultdate lines")
        << "devices" << QByteArray("a;select * from devices where nextdate>defaultdate\n")
        << FilterFileKind::devices().builtInDefault;
    QTest::newRow("devices: first of two marks")
        << "devices" << QByteArray("a;select 1;default\nb;select 2;default\n") << "select 1";
}

void TestFilterFile::defaultStatement()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    const FilterFileKind k = kind == "loans"     ? FilterFileKind::loans()
                             : kind == "devices" ? FilterFileKind::devices()
                                                 : FilterFileKind::contacts();
    QCOMPARE(FilterFile::parse(bytes).defaultStatement(k), expected);
}

void TestFilterFile::statementAt()
{
    const FilterFile file = FilterFile::parse("a;select 1\nbez středníku\nc;\nd;select 4\n");
    QCOMPARE(file.count(), 4);
    QCOMPARE(file.statementAt(0), std::optional<QString>("select 1"));
    QCOMPARE(file.statementAt(1), std::nullopt);
    QCOMPARE(file.statementAt(2), std::nullopt);
    QCOMPARE(file.statementAt(3), std::optional<QString>("select 4"));
    QCOMPARE(file.statementAt(4), std::nullopt);
    QCOMPARE(file.statementAt(-1), std::nullopt);
}

// The menu is built once; a click reads the file again and takes the line at the item's position.
void TestFilterFile::missingAndRewrittenFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(FilterFileKind::loans().fileName(QStringLiteral("cs")));
    FilterFile file;
    QVERIFY(!file.load(path));
    QVERIFY(!file.exists());
    QCOMPARE(file.count(), 0);
    QCOMPARE(file.defaultStatement(FilterFileKind::loans()), FilterFileKind::loans().builtInDefault);

    auto write = [&](const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    };
    write("a;select 1\nb;select 2\nc;select 3\n");
    QVERIFY(file.load(path));
    QVERIFY(file.exists());
    const QStringList menu{file.lines().at(0).caption(), file.lines().at(1).caption(), file.lines().at(2).caption()};
    QCOMPARE(menu, (QStringList{"a", "b", "c"}));

    write("b;select 2\nc;select 3\n"); // the first line removed while the program runs
    FilterFile again;
    QVERIFY(again.load(path));
    QCOMPARE(again.statementAt(0), std::optional<QString>("select 2"));
    QCOMPARE(again.statementAt(1), std::optional<QString>("select 3"));
    QCOMPARE(again.statementAt(2), std::nullopt); // the menu's last item now does nothing
}

void TestFilterFile::fileNames()
{
    QCOMPARE(FilterFileKind::loans().fileName("cs"), QStringLiteral("filtryzapcs.txt"));
    QCOMPARE(FilterFileKind::devices().fileName("en"), QStringLiteral("filtryzaren.txt"));
    QCOMPARE(FilterFileKind::contacts().fileName("cs"), QStringLiteral("filtryadrcs.txt"));
    QCOMPARE(FilterFile::split(";a;;b;", ";"), (QStringList{"", "a", "", "b", ""}));
    QCOMPARE(FilterFile::split("a,b;c", ",;"), (QStringList{"a", "b", "c"}));
}

QTEST_GUILESS_MAIN(TestFilterFile)
#include "tst_filterfile.moc"
