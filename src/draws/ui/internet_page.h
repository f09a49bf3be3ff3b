// The "Internet-Optionen" page: the proxy and the service address for the draw update,
// the web labels with the addresses of the product, the official draws and the maker's
// other product, and the hidden fields the settings store carries along unchanged.
#pragma once

#include <QWidget>

class FormBuilder;
class LinkLabel;
class QCheckBox;
class QLineEdit;

class InternetPage : public QWidget {
    Q_OBJECT
public:
    InternetPage(FormBuilder &builder, QWidget *parent = nullptr);

    QLineEdit *ProxyHostEdit = nullptr;
    QLineEdit *ProxyPortEdit = nullptr;
    QLineEdit *DrawServiceUrlEdit = nullptr; // scheme, host and port of the draw-results service
    // Carried along by the settings store, never shown.
    QLineEdit *URLEdit = nullptr;
    QLineEdit *Edit81 = nullptr; // "ZWEIPREIS"
    QLineEdit *Edit82 = nullptr; // "EINPREIS"
    QCheckBox *CheckBox21 = nullptr; // "Browser"
    // Each opens the address its caption shows.
    LinkLabel *Label52 = nullptr; // updates and the newest version
    LinkLabel *Label54 = nullptr; // the current draws and odds
    LinkLabel *Label56 = nullptr; // the maker's other product
};
