#pragma once

#include "library/common/codes.h"
#include "library/gui/abstractviewmanager.h"
#include "library/gui/busdeclarations.h"

#include "deletedocumentreply3.pb.h"
#include "deletefolderreply3.pb.h"
#include "folderkey3.pb.h"
#include "selectdocumentkeyreply3.pb.h"
#include "selectfolderkeyreply3.pb.h"

#include <string>

class ApplicationComponent;

// Opens a folder's keyring from the reply to the request that asks for it,
// with the keys sorted by their holders' alphabetical names, or raises the
// folder's open keyring and drops the keys; closes the keyrings of a deleted
// folder.
class FolderKeyringManager : public AbstractViewManager
{
    Q_OBJECT

public:
    explicit FolderKeyringManager(ApplicationComponent* applicationComponent);
    ~FolderKeyringManager() override;

protected:
    bool connectViewWindow(const AbstractViewWindow* window) override;

private:
    void folderKeysSelected(const BusReply& bus, const zarv::data::SelectFolderKeyReply& reply);
    void folderDeleted(const BusReply& bus, const zarv::data::DeleteFolderReply& reply);

    ApplicationComponent* const m_applicationComponent;
};

// The same for a document's keyring, with the keys in reply order; closes the
// keyrings of a deleted document.
class DocumentKeyringManager : public AbstractViewManager
{
    Q_OBJECT

public:
    explicit DocumentKeyringManager(ApplicationComponent* applicationComponent);
    ~DocumentKeyringManager() override;

protected:
    bool connectViewWindow(const AbstractViewWindow* window) override;

private:
    void documentKeysSelected(const BusReply& bus, const zarv::data::SelectDocumentKeyReply& reply);
    void documentDeleted(const BusReply& bus, const zarv::data::DeleteDocumentReply& reply);

    ApplicationComponent* const m_applicationComponent;
};

// Opens a new "My Document Keyring" for every request to, whatever its minor
// code: several may be open at once.
class DocumentKeysManager : public AbstractViewManager
{
    Q_OBJECT

public:
    explicit DocumentKeysManager(ApplicationComponent* applicationComponent);
    ~DocumentKeysManager() override;

protected slots:
    void receiveRequest(QUENLARK_BUS_REQUEST_PARAMETERS) override;

protected:
    bool connectViewWindow(const AbstractViewWindow* window) override;

private:
    ApplicationComponent* const m_applicationComponent;
};

// The same for "My Folder Keyring".
class FolderKeysManager : public AbstractViewManager
{
    Q_OBJECT

public:
    explicit FolderKeysManager(ApplicationComponent* applicationComponent);
    ~FolderKeysManager() override;

protected slots:
    void receiveRequest(QUENLARK_BUS_REQUEST_PARAMETERS) override;

protected:
    bool connectViewWindow(const AbstractViewWindow* window) override;

private:
    ApplicationComponent* const m_applicationComponent;
};

// Sorts folder keys by their holders' alphabetical names, byte by byte: upper
// case before lower case, no locale; a holder without a name comes first.
void SortByHolder(google::protobuf::RepeatedPtrField<zarv::data::FolderKey>& keys);
