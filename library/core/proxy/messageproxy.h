#pragma once

// The base of the views over a message, with the meanings of its bits.
class MessageProxy
{
public:
    // The descriptor's permissions word of a message. These positions are not
    // those of a document key; bits 1 and 2 carry no permission.
    enum Permission
    {
        View = 0,
        CopyToClipboard = 3,
        ExportToTextFile = 4,
        ExportToPdfFile = 5,
        Print = 6,
        Search = 7,
        Reply = 8,
        ReplyAll = 9,
        Forward = 10
    };

    // The body format; the client writes only rich text.
    enum TextFormat
    {
        RichText = 0
    };

    virtual ~MessageProxy() = default;
};
