// The core's own texts: as the command-line tool prints them without a window's table,
// in the window's language while its table is installed, and back once it is gone.
#include "app/message_table.h"
#include "app/text_excerpt.h"

#include <QTest>

#include <memory>

class MessageTableTest : public QObject {
    Q_OBJECT

private slots:
    void coreTextsFollowTheInstalledTable()
    {
        const auto withoutTable = [] {
            QCOMPARE(CoreText::text(Msg::ProxyPortInvalid),
                QStringLiteral("Der Proxy-Port \"%1\" ist keine ganze Zahl von 1 bis 65535."));
            QCOMPARE(CoreText::text(Msg::NoResponse, u"No response: %1"), QStringLiteral("No response: %1"));
            QCOMPARE(CoreText::filterDescription(QStringLiteral("Tippdatei")), QStringLiteral("Tippdatei"));
            QCOMPARE(TextExcerpt::field(QString(50, u'7')), QString(40, u'7') + "... (10 more characters)");
        };
        withoutTable();
        {
            auto table = std::make_unique<MessageTable>();
            QStringList lines = MessageTable::defaults();
            lines[int(Msg::ProxyPortInvalid)] = QStringLiteral("bad port %1");
            lines[int(Msg::NoResponse)] = QStringLiteral("Keine Antwort: %1");
            lines[int(Msg::TipFileFilter)] = QStringLiteral("Play file");
            lines[int(Msg::MoreCharacters)] = QStringLiteral("… +%1");
            table->replaceAll(lines);
            table->install();
            QCOMPARE(CoreText::text(Msg::ProxyPortInvalid), QStringLiteral("bad port %1"));
            QCOMPARE(CoreText::text(Msg::NoResponse, u"No response: %1"), QStringLiteral("Keine Antwort: %1"));
            QCOMPARE(CoreText::filterDescription(QStringLiteral("Tippdatei")), QStringLiteral("Play file"));
            QCOMPARE(CoreText::filterDescription(QStringLiteral("Bilder")), QStringLiteral("Bilder"));
            QCOMPARE(TextExcerpt::field(QString(50, u'7')), QString(40, u'7') + "… +10");
        }
        withoutTable();
    }
};

QTEST_GUILESS_MAIN(MessageTableTest)
#include "message_table_test.moc"
