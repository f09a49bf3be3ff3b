#include "draws/stored_connection.h"

#include "app/settings_store.h"

#include <array>
#include <utility>

StoredConnection StoredConnection::read(const SettingsStore &store)
{
    StoredConnection stored;
    const std::array<std::pair<const char *, QString *>, 4> values{{
        {"URLEdit", &stored.urlEdit},
        {"ProxyHostEdit", &stored.proxyHost},
        {"ProxyPortEdit", &stored.proxyPort},
        {"DrawServiceUrl", &stored.drawServiceUrl},
    }};
    for (const auto &[name, target] : values) {
        const auto value = store.readString(QString::fromLatin1(name));
        if (!value)
            break;
        if (value->has_value())
            *target = **value;
    }
    if (stored.proxyHost.isEmpty())
        stored.proxyPort = DrawDownload::DefaultProxyPort;
    return stored;
}

void StoredConnection::write(SettingsStore &store) const
{
    store.writeString(QStringLiteral("URLEdit"), urlEdit);
    store.writeString(QStringLiteral("ProxyHostEdit"), proxyHost);
    store.writeString(QStringLiteral("ProxyPortEdit"), proxyPort);
    store.writeString(QStringLiteral("DrawServiceUrl"), drawServiceUrl);
}
