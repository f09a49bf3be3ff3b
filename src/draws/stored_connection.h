// The connection values the window keeps in the settings store: the hidden address
// field "URLEdit", the proxy ("ProxyHostEdit", "ProxyPortEdit") and the address of the
// draw-results service ("DrawServiceUrl"). Read as one group, as start-up reads it, by
// the window and by the command-line tool alike.
#pragma once

#include "draws/draw_download.h"

#include <QString>

class SettingsStore;

struct StoredConnection {
    // The hidden field's address when the store has none: the program's own page.
    static inline const QString DefaultUrlEdit = QStringLiteral("http://127.0.0.1:8787/");

    QString urlEdit = DefaultUrlEdit;
    QString proxyHost;
    QString proxyPort = DrawDownload::DefaultProxyPort;
    QString drawServiceUrl = DrawDownload::defaultServiceUrl().toString();

    // In order; a value of the wrong type ends the reading, and what follows keeps its
    // default. An empty proxy host puts the port back to its default.
    static StoredConnection read(const SettingsStore &store);
    void write(SettingsStore &store) const;
};
