#pragma once

// The base of the views over a document.
class DocumentProxy
{
public:
    // How the document writer fills a document (the values of
    // SecurityDescriptorProxy::Initialization).
    enum Initialization
    {
        NoInitialization = 0,
        Permissive = 1,
        Restrictive = 2
    };

    virtual ~DocumentProxy() = default;
};
