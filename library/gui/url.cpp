#include "library/gui/url.h"

namespace {

const QString SecureScheme = QStringLiteral("https");

}  // namespace

Url::Url(const QUrl& url)
    : QUrl(url)
{}

Url::Url(const QString& text)
    : QUrl(text, QUrl::TolerantMode)
{}

bool Url::isSecure() const
{
    return !isEmpty() && isValid() && scheme().toLower() == SecureScheme;
}

bool Url::trySecure(bool& changed)
{
    changed = false;
    if (isEmpty() || !isValid()) {
        return false;
    }
    if (scheme() != SecureScheme) {
        setScheme(SecureScheme);
        changed = true;
    }
    return isSecure();
}

Url::operator std::string() const
{
    return toString().toStdString();
}
