// The web labels: the strips at the tip page's edges open the maker's home page, the
// three addresses on "Internet-Optionen" open what their captions say.
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
    // One handler for Label52, Label54 and Label56: a changed caption changes the target.
    void openCaption(const LinkLabel &label);

protected:
    // A click on a strip beside its label counts as a click on the label.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TipSheetPage &m_sheet;
    DesktopShell &m_shell;
};
