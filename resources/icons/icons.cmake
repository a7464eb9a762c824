# The window and action icons: each entry is the icon's name in the bundle
# (":icons/32x32/<name>.png"), then its 32 x 32 file in the Tango icon library
# as installed under /usr/share/icons/Tango/32x32/ (see README.md here).
set(QUENLARK_ICON_TABLE
    application         status/network-wireless-encrypted
    log-on              actions/go-next
    log-off             actions/system-log-out
    network-settings    places/network-workgroup
    server              places/network-server
    event-log           mimetypes/text-x-generic
    user-groups         apps/system-users
    message-browser     apps/internet-mail
    document-browser    actions/document-open
    document-keys       mimetypes/application-certificate
    folder-keys         emblems/emblem-readonly
    pictures            mimetypes/image-x-generic
    restore-document    status/user-trash-full
    reset-password      actions/system-lock-screen
    group-create        actions/contact-new
    group-edit          apps/system-users
    revision            actions/appointment-new
    key-active          actions/media-playback-start
    key-inactive        actions/media-playback-stop
    active-months       apps/office-calendar
    active-days         mimetypes/x-office-calendar
    active-hours        actions/appointment
    key-permissions     actions/document-properties
    session-duration    apps/date
    expiration-date     actions/process-stop
    passcode            actions/lock
    keypad-enter        actions/finish
    keypad-delete       actions/edit-clear
    undo                actions/edit-undo
    redo                actions/edit-redo
    cut                 actions/edit-cut
    copy                actions/edit-copy
    paste               actions/edit-paste
    find                actions/edit-find
    find-replace        actions/edit-find-replace
    spell-check         apps/accessories-text-editor
    document-create     actions/document-new
    folder-create       actions/folder-new
    web-address         apps/internet-web-browser
    message-create      actions/mail-message-new
    message-permissions actions/document-properties
    user                apps/system-users
    document-options    mimetypes/text-x-generic
    window-options      categories/preferences-system
    password-weak       status/dialog-error
    password-fair       status/dialog-warning
    password-strong     actions/go-next
    wizard-finish       actions/finish
    deleted-document    places/user-trash
    deletion-date       actions/edit-delete
    folder-item         places/folder
    home-folder         places/user-home
)
set(QUENLARK_ICON_SET_DIR /usr/share/icons/Tango/32x32)
