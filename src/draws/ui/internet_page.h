// The "Internet-Optionen" page: the proxy and the service address for the draw update,
// and the hidden fields
// the settings store carries along unchanged.
#pragma once

#include <QWidget>

class FormBuilder;
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
};
