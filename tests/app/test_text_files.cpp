// The text-file layer every data file relies on: Windows-1252 with CR LF,
// LF and UTF-8 accepted, the record notation, and case-blind program paths.

#include "app/application_state.h"
#include "app/program_folder.h"
#include "app/record.h"
#include "app/settings_file.h"
#include "app/text_file.h"
#include "app/user_folder.h"
#include "common/test_folder.h"

#include <QDir>
#include <QStandardPaths>
#include <QtTest>

class TestTextFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void windows1252RoundTrip()
    {
        const QString text = QStringLiteral("€ 1,50 – Reliëf „Gouda” café ß ÿ Ž");
        const QByteArray bytes = TextFile::encode(text);
        QCOMPARE(bytes.size(), text.size());
        QCOMPARE(quint8(bytes.at(0)), quint8(0x80));      // the euro sign
        QCOMPARE(TextFile::decode(bytes), text);
        QCOMPARE(TextFile::encode(QStringLiteral("漢")), QByteArray("?"));
    }

    void utf8InputIsRecognised()
    {
        QCOMPARE(TextFile::decode(QStringLiteral("Reliëf €").toUtf8()), QStringLiteral("Reliëf €"));
        QCOMPARE(TextFile::decode(QByteArray("\xEF\xBB\xBF" "abc")), QStringLiteral("abc"));
        // A lone 0xEB is not UTF-8: it is the Windows-1252 ë.
        QCOMPARE(TextFile::decode(QByteArray("Reli\xEB" "f")), QStringLiteral("Reliëf"));
    }

    void lineEnds()
    {
        QCOMPARE(TextFile::splitLines(QStringLiteral("a\r\nb\nc\rd")), QStringList({"a", "b", "c", "d"}));
        QCOMPARE(TextFile::splitLines(QStringLiteral("a\r\n\r\nb\r\n")), QStringList({"a", "", "b"}));
        QCOMPARE(TextFile::splitLines(QString()), QStringList());
    }

    void writeIsCrLfAndReadBack()
    {
        TestFolder folder;
        const QString path = folder.path(QStringLiteral("x.txt"));
        QVERIFY(TextFile::writeLines(path, {QStringLiteral("één"), QString(), QStringLiteral("€")}));
        QCOMPARE(folder.read(QStringLiteral("x.txt")), QByteArray("\xE9\xE9n\r\n\r\n\x80\r\n"));
        QCOMPARE(*TextFile::readLines(path), QStringList({"één", "", "€"}));
        QVERIFY(!TextFile::readLines(folder.path(QStringLiteral("missing.txt"))));
    }

    // A file larger than the reader's limit is not taken in at all; the settings file has a small one.
    void sizeLimits()
    {
        TestFolder folder;
        const QString path = folder.path(QStringLiteral("x.txt"));
        QVERIFY(folder.write(QStringLiteral("x.txt"), QByteArray(TextFile::MaximumSize, 'a')));
        QCOMPARE(TextFile::readLines(path)->first().size(), TextFile::MaximumSize);
        QVERIFY(folder.write(QStringLiteral("x.txt"), QByteArray(TextFile::MaximumSize + 1, 'a')));
        QVERIFY(!TextFile::readLines(path));
        QCOMPARE(TextFile::readFirstLines(path, 5), QStringList{QStringLiteral("aaaaa")});

        const QByteArray settings = "\"kop\"\r\n\"--\"\r\n1,2,3\r\n4,5,6\r\n";
        const QByteArray padding(SettingsFile::MaximumSize - settings.size(), ' ');
        ApplicationState state;
        QVERIFY(folder.write(SettingsFile::FileName, settings + padding));
        QVERIFY(SettingsFile::read(folder.path(SettingsFile::FileName), state));
        QVERIFY(folder.write(SettingsFile::FileName, settings + padding + ' '));
        QVERIFY(!SettingsFile::read(folder.path(SettingsFile::FileName), state));
    }

    void charactersWindows1252Lacks()
    {
        QCOMPARE(TextFile::unencodable(QStringLiteral("Łódź ‘€’ ? Ł 😀")), QStringList({"Ł", "ź", "😀"}));
        QVERIFY(TextFile::unencodable(QStringLiteral("'s-Hertogenbosch café ŒŽ™")).isEmpty());
    }

    void recordFields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<bool>>("quoted");
        QTest::newRow("numbers") << "190,200,240" << QStringList{"190", "200", "240"} << QList<bool>{false, false, false};
        QTest::newRow("blanks") << " 1 , 2 ,3 " << QStringList{"1", "2", "3"} << QList<bool>{false, false, false};
        QTest::newRow("quoted comma") << "\"Bergen, NH\",12,\"x\"" << QStringList{"Bergen, NH", "12", "x"}
                                      << QList<bool>{true, false, true};
        QTest::newRow("empty fields") << ",," << QStringList{"", "", ""} << QList<bool>{false, false, false};
        QTest::newRow("unclosed quote") << "\"abc" << QStringList{"abc"} << QList<bool>{true};
        QTest::newRow("junk after quote") << "\"a\"xyz,2" << QStringList{"a", "2"} << QList<bool>{true, false};
    }

    void recordFields()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, texts);
        QFETCH(QList<bool>, quoted);
        const auto fields = Record::splitFields(line);
        QCOMPARE(fields.size(), texts.size());
        for (int i = 0; i < fields.size(); ++i) {
            QCOMPARE(fields.at(i).text, texts.at(i));
            QCOMPARE(fields.at(i).quoted, quoted.at(i));
        }
    }

    void fieldReaderRunsAcrossLines()
    {
        Record::FieldReader reader({QStringLiteral("1,2"), QString(), QStringLiteral("3"), QStringLiteral("\"a,b\",4")});
        QStringList got;
        while (auto field = reader.next())
            got << field->text;
        QCOMPARE(got, QStringList({"1", "2", "3", "a,b", "4"}));
        QVERIFY(reader.atEnd());
    }

    void numbers()
    {
        QCOMPARE(Record::number(190.0), QStringLiteral("190"));
        QCOMPARE(Record::number(0.5), QStringLiteral("0.5"));
        QCOMPARE(Record::number(-3LL), QStringLiteral("-3"));
        QCOMPARE(*Record::wholeNumber({QStringLiteral("2.5"), false}), 2LL);   // halves to even
        QCOMPARE(*Record::wholeNumber({QStringLiteral("3.5"), false}), 4LL);
        QVERIFY(!Record::wholeNumber({QStringLiteral("abc"), false}));
        QVERIFY(!Record::wholeNumber({QStringLiteral("1e300"), false}));
        QCOMPARE(Record::leadingNumber(QStringLiteral("12.5 euro")), 12.5);
        QCOMPARE(Record::leadingNumber(QStringLiteral(" 1 2")), 12.0);
        QCOMPARE(Record::leadingNumber(QStringLiteral("abc")), 0.0);
        QCOMPARE(Record::leadingNumber(QStringLiteral("-0.45")), -0.45);
        QCOMPARE(Record::leadingNumber(QStringLiteral("3,40")), 3.0);
        QCOMPARE(Record::leadingNumber(QStringLiteral("2e")), 2.0);
    }

    void programFolderIgnoresCase()
    {
        TestFolder folder;
        QVERIFY(folder.write(QStringLiteral("Data/Informatie.cat"), "x"));
        const ProgramFolder program = folder.folder();
        QCOMPARE(program.path(QStringLiteral("\\data\\INFORMATIE.CAT")), folder.root() + QStringLiteral("/Data/Informatie.cat"));
        QCOMPARE(program.path(QStringLiteral("images/")), folder.root() + QStringLiteral("/Images"));
        // A name that does not exist keeps its own spelling, so it can be created.
        QCOMPARE(program.path(QStringLiteral("Supplementen/Nieuw.sup")), folder.root() + QStringLiteral("/Supplementen/Nieuw.sup"));
    }

    void programFolderChoice()
    {
        qputenv("VELINOR_HOME", "/tmp/from-env");
        QCOMPARE(ProgramFolder::choose(QStringLiteral("/tmp/option"), QStringLiteral("/exe")).root(), QStringLiteral("/tmp/option"));
        QCOMPARE(ProgramFolder::choose(QString(), QStringLiteral("/exe")).root(), QStringLiteral("/tmp/from-env"));
        qunsetenv("VELINOR_HOME");
        TestFolder writable;
        QCOMPARE(ProgramFolder::choose(QString(), writable.root()).root(), writable.root());
        // A folder nobody can write in, root included, gives way to the user's own folder.
        QStandardPaths::setTestModeEnabled(true);
        const QString chosen = ProgramFolder::choose(QString(), QStringLiteral("/proc")).root();
        QVERIFY(chosen.endsWith(QStringLiteral("/velinor")));
        QVERIFY(IsWritableFolder(chosen));
        QDir(chosen).removeRecursively();
    }

    void userFolderGetsACopyOfTheData()
    {
        TestFolder installed, user;
        installed.write(QStringLiteral("Data/Informatie.cat"), "nieuw");
        installed.write(QStringLiteral("Images/2008-Gouda.jpg"), "jpg");
        user.write(QStringLiteral("Data/Informatie.cat"), "eigen");
        QVERIFY(IsWritableFolder(installed.root()));
        QVERIFY(!IsWritableFolder(QStringLiteral("/proc")));
        QVERIFY(!IsWritableFolder(installed.path(QStringLiteral("Data/Informatie.cat"))));
        QCOMPARE(ChooseWorkingFolder(installed.root(), user.root()), installed.root());

        CopyMissingData(installed.root(), user.root());
        QCOMPARE(user.read(QStringLiteral("Data/Informatie.cat")), QByteArray("eigen"));   // the user's own stays
        QCOMPARE(user.read(QStringLiteral("Images/2008-Gouda.jpg")), QByteArray("jpg"));
        QVERIFY(QFileInfo(user.path(QStringLiteral("help"))).isDir());
    }
};

QTEST_GUILESS_MAIN(TestTextFiles)
#include "test_text_files.moc"
