// The web labels: the strips at the tip page's edges open the maker's home page, the
// three addresses on "Internet-Optionen" the pages they name.
#pragma once

#include <QObject>

class DesktopShell;
class InternetPage;
class LinkLabel;
class TipSheetPage;

class WebLinkController : public QObject {
    Q_OBJECT
public:
    WebLinkController(TipSheetPage &sheet, InternetPage &internet, DesktopShell &shell, QObject *parent = nullptr);

    void openMakerSite();
    // One handler for Label52, Label54 and Label56: each opens its address from the
    // program's table, whatever its caption says after a language switch.
    void openLink(const LinkLabel &label);

protected:
    // A click on a strip beside its label counts as a click on the label.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TipSheetPage &m_sheet;
    DesktopShell &m_shell;
};
