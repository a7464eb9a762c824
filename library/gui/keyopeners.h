#pragma once

#include "documentkey3.pb.h"
#include "folderkey3.pb.h"

class AbstractViewWindow;

// Opens a key that another user gave: checks the key's rules, asks for its
// passcode when it has one, and sends the request that opens it through the
// window's bus. A refusal shows one warning box over the window and sends
// nothing. An opener lives on the caller's stack around the caller's key,
// which must outlive it.

// Asks the document editor's manager for the key's document and, for a key
// opened for the first time, clears its emphasised name.
class DocumentKeyOpener
{
public:
    explicit DocumentKeyOpener(const zarv::data::DocumentKey& key);

    // True when the select request was sent.
    bool open(AbstractViewWindow* window) const;

private:
    const zarv::data::DocumentKey& m_key;
};

// Lists the folder keys below the key's folder in the window that asks (a
// document browser), or asks for a new document browser on the key (the
// list of the user's folder keys). Opening never clears the emphasised name.
class FolderKeyOpener
{
public:
    explicit FolderKeyOpener(const zarv::data::FolderKey& key);

    // True when the select request was sent.
    bool open(AbstractViewWindow* window) const;
    // True when the request for a new browser was sent.
    bool openInNewBrowser(AbstractViewWindow* window) const;

private:
    bool mayOpen(AbstractViewWindow* window) const;

    const zarv::data::FolderKey& m_key;
};
