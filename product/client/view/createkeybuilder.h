#pragma once

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"

#include <QList>

class QListWidgetItem;
class QString;
class QWizard;

// Builds new keys from the fields of a create-key wizard's pages. The rules
// are read afresh on every call, and the creation date is the clock's now.
namespace createkey {

// The rules chosen, without holder or document.
zarv::data::DocumentKey DocumentKeyRules(const QWizard& wizard);
// The rules chosen and the folder's description and properties, without
// holder or folder.
zarv::data::FolderKey FolderKeyRules(const QWizard& wizard);

// One copy of the rules per holder item (the user record under the user
// role), in list order, each naming the object and its holder.
QList<zarv::data::DocumentKey> DocumentKeys(const zarv::data::DocumentKey& rules,
                                            const QList<QListWidgetItem*>& holders,
                                            int documentId,
                                            const QString& documentName);
QList<zarv::data::FolderKey> FolderKeys(const zarv::data::FolderKey& rules,
                                        const QList<QListWidgetItem*>& holders,
                                        int folderId,
                                        const QString& folderName);

}  // namespace createkey
