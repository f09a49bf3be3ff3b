// The web addresses the program opens or asks: the maker's pages behind the web labels,
// the lottery's official site, the automation program's download and the click-script
// service. The maker's site is a name below the reserved ".example" domain, so that no
// address of the maker can ever lead to somebody else's site; an operator who runs the
// pages changes them here.
#pragma once

#include <QString>
#include <QUrl>

#include <array>

namespace WebLinks {
inline const QString MakerSite = QStringLiteral("https://www.morvak.example/");
inline const QString ProductPage = QStringLiteral("https://www.morvak.example/devudirurero/");
// The lottery's official site with the current draws and prize tables.
inline const QString OfficialGameSite = QStringLiteral("https://www.megamillions.com/");
inline const QString OtherProductPage = QStringLiteral("https://www.morvak.example/skriptomat/");
// The installer of the automation program: "dateien/skriptomatp.exe" on the maker's site.
inline const QString AutomationDownload = MakerSite + QStringLiteral("dateien/skriptomatp.exe");
// The click-script service: "scripts/<name>.xrt.txt" below this address.
inline const QString ScriptService = MakerSite;

struct Link {
    const char *control; // the label the user clicks
    QString address;
};
// Label43 and Label44 (the strips at the tip page's edges) open the maker's home page;
// Label52, Label54 and Label56 on "Internet-Optionen" show their address as the caption.
// Where a label leads is this table's alone: a language file may change the caption,
// and so what the label says, but never the target.
inline const std::array<Link, 5> Labels{{
    {"Label43", MakerSite},
    {"Label44", MakerSite},
    {"Label52", ProductPage},
    {"Label54", OfficialGameSite},
    {"Label56", OtherProductPage},
}};

// The address the control opens; empty for a control that is no link.
inline QString addressOf(const QString &control)
{
    for (const Link &link : Labels) {
        if (control == QLatin1String(link.control))
            return link.address;
    }
    return {};
}

// "www.morvak.example" as the strips show it: "w w w . m o r v a k . e x a m p l e".
inline QString spacedLetters(const QString &text)
{
    QString spaced;
    for (const QChar c : text) {
        if (!spaced.isEmpty())
            spaced += QLatin1Char(' ');
        spaced += c;
    }
    return spaced;
}

inline QUrl url(const QString &address)
{
    return QUrl(address, QUrl::StrictMode);
}
} // namespace WebLinks
