#include "settings/IniDocument.h"
#include "settings/SettingsSection.h"

#include <QTest>

using miravel::IniDocument;
using miravel::LoginNameCase;
using miravel::SettingsSectionForUser;
using miravel::SettingsSectionName;

Q_DECLARE_METATYPE(LoginNameCase)

class TestSettingsSection : public QObject {
    Q_OBJECT

  private:
    static QStringList AwkwardNames() {
        return {QStringLiteral("alice"),
                QStringLiteral("Alice"),
                QStringLiteral("ALICE"),
                QStringLiteral("a]b"),
                QStringLiteral("a%5Db"),
                QStringLiteral("a%5db"),
                QStringLiteral("[admin]"),
                QStringLiteral("%5Badmin%5D"),
                QStringLiteral(" bob"),
                QStringLiteral("bob "),
                QStringLiteral("bob"),
                QStringLiteral("%20bob"),
                QStringLiteral("b ob"),
                QStringLiteral("x\ny"),
                QStringLiteral("x\r\ny"),
                QStringLiteral("x%0Ay"),
                QStringLiteral("tab\tname"),
                QStringLiteral("é"),
                QStringLiteral("É"),
                QString(QChar(0x017F)),  // long s, folds to "s"
                QStringLiteral("s"),
                QString(QChar(0xDC80)),  // a name byte that is not UTF-8
                QString(QChar(0xD800)),
                QStringLiteral("%uDC80"),
                QStringLiteral("%80"),
                QStringLiteral("山田"),
                QStringLiteral("user@example.com"),
                QStringLiteral("DOMAIN\\user"),
                QString()};
    }

  private Q_SLOTS:
    void sectionNames_data() {
        QTest::addColumn<QString>("login");
        QTest::addColumn<LoginNameCase>("loginCase");
        QTest::addColumn<QString>("section");
        const auto significant = LoginNameCase::Significant;
        const auto ignored = LoginNameCase::Ignored;
        QTest::newRow("plain name") << "alice" << significant << "alice";
        QTest::newRow("digits, dot, dash, underscore") << "a.b-c_1" << significant << "a.b-c_1";
        QTest::newRow("NULs removed")
            << QStringLiteral("ali") + QChar(0) + "ce" + QChar(0) + QChar(0) << significant
            << "alice";
        QTest::newRow("brackets") << "[a]" << significant << "%5Ba%5D";
        QTest::newRow("percent") << "50%" << significant << "50%25";
        QTest::newRow("line break") << "a\nb" << significant << "a%0Ab";
        QTest::newRow("blanks at the ends only") << "  a b " << significant << "%20%20a b%20";
        QTest::newRow("all blanks") << "  " << significant << "%20%20";
        QTest::newRow("upper case where case matters") << "Bob" << significant << "%42ob";
        QTest::newRow("upper case where it does not") << "Bob" << ignored << "Bob";
        QTest::newRow("non-ASCII upper case") << "É" << significant << "%C3%89";
        QTest::newRow("non-ASCII lower case kept") << "é山田" << significant << "é山田";
        QTest::newRow("lone surrogate") << QString(QChar(0xDCFF)) << ignored << "%uDCFF";
        QTest::newRow("emoji kept") << QStringLiteral("a😀") << significant << QStringLiteral("a😀");
        QTest::newRow("empty") << "" << significant << "";
    }
    void sectionNames() {
        QFETCH(QString, login);
        QFETCH(LoginNameCase, loginCase);
        QFETCH(QString, section);
        QCOMPARE(SettingsSectionName(login, loginCase), section);
    }

    // Two users must never share a section, with sections compared as the reader compares them.
    void differentUsersNeverShareASection_data() {
        QTest::addColumn<LoginNameCase>("loginCase");
        QTest::newRow("case significant") << LoginNameCase::Significant;
        QTest::newRow("case ignored") << LoginNameCase::Ignored;
    }
    void differentUsersNeverShareASection() {
        QFETCH(LoginNameCase, loginCase);
        const QStringList names = AwkwardNames();
        for (const QString& a : names) {
            for (const QString& b : names) {
                if (a == b)
                    continue;
                if (loginCase == LoginNameCase::Ignored && a.compare(b, Qt::CaseInsensitive) == 0) {
                    continue;  // the same user there
                }
                const QString sa = SettingsSectionName(a, loginCase);
                const QString sb = SettingsSectionName(b, loginCase);
                QVERIFY2(sa.compare(sb, Qt::CaseInsensitive) != 0,
                         qPrintable(QStringLiteral("'%1' and '%2' share '%3'").arg(a, b, sa)));
            }
        }
    }

    void sectionOfTheRunningUser_data() {
        QTest::addColumn<QString>("loginName");
        QTest::addColumn<quint32>("userId");
        QTest::addColumn<QString>("section");
        QTest::newRow("a login name wins") << "alice" << 1000u << "alice";
        QTest::newRow("no login name") << "" << 1000u << "%uid1000";
        QTest::newRow("only NULs") << QString(2, QChar(0)) << 7u << "%uid7";
        QTest::newRow("root without a name") << "" << 0u << "%uid0";
    }
    void sectionOfTheRunningUser() {
        QFETCH(QString, loginName);
        QFETCH(quint32, userId);
        QFETCH(QString, section);
        QCOMPARE(SettingsSectionForUser(loginName, userId), section);
    }

    // A user known only by number shares a section with no named user, however odd the name.
    void namelessUsersShareWithNoOne() {
        QStringList names = AwkwardNames();
        names << QStringLiteral("%uid1000") << QStringLiteral("uid1000") << QStringLiteral("1000")
              << QStringLiteral("%UID1000");
        const QString nameless = SettingsSectionForUser(QString(), 1000);
        for (const QString& name : names) {
            if (name.isEmpty())
                continue;  // that one has no name
            const QString named = SettingsSectionForUser(name, 1000);
            QVERIFY2(named.compare(nameless, Qt::CaseInsensitive) != 0, qPrintable(name));
        }
        QVERIFY(SettingsSectionForUser(QString(), 1001) != nameless);
    }

    // Every section name written into a file is found again under the same name.
    void everySectionNameSurvivesTheFile() {
        for (const QString& name : AwkwardNames()) {
            const QString section = SettingsSectionName(name, LoginNameCase::Significant);
            IniDocument document;
            document.SetValue(section, QStringLiteral("PATH"), QStringLiteral("/x"));
            const auto reread = IniDocument::Parse(document.Serialize());
            QVERIFY2(reread, qPrintable(section));
            QVERIFY2(reread->Value(section, QStringLiteral("PATH")), qPrintable(section));
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingsSection)
#include "tst_SettingsSection.moc"
