#pragma once

#include "library/database/lib/dbid.h"

#include <QString>
#include <QUrl>

#include <string>

// The address of a web page attached to a document, with the document's id
// and the page's description. Only secure pages (scheme "https") are taken in.
class Url : public QUrl
{
public:
    explicit Url(const QUrl& url);
    // Parsed in QUrl's tolerant mode.
    explicit Url(const QString& text);
    virtual ~Url() = default;
    Url(const Url&) = default;
    Url& operator=(const Url&) = default;

    DbId getDocumentId() const { return m_documentId; }
    void setDocumentId(DbId documentId) { m_documentId = documentId; }
    QString getDescription() const { return m_description; }
    void setDescription(const QString& description) { m_description = description; }

    // Not empty, valid, and the scheme in lower case is "https".
    bool isSecure() const;
    // Replaces a scheme that is not exactly "https" by "https" and says so in
    // `changed`; an empty or invalid URL is left alone. Returns isSecure().
    bool trySecure(bool& changed);

    // QUrl::toString() with its default formatting, in UTF-8: the form the
    // server keeps.
    explicit operator std::string() const;

private:
    DbId m_documentId = DbId::m_NullId;
    QString m_description;
};
