<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AbstractTextReader</name>
    <message>
        <source>ExportToTextFile</source>
        <translation>Export to Text File</translation>
    </message>
    <message>
        <source>ExportToPdfFile</source>
        <translation>Export to PDF File</translation>
    </message>
    <message>
        <source>PrintDialog</source>
        <translation>Print Dialog</translation>
    </message>
    <message>
        <source>ExportFailed</source>
        <translation>The document could not be exported to %1.</translation>
    </message>
</context>
<context>
    <name>AbstractTextEditor</name>
    <message>
        <source>SetColumnWidthDialogTitle</source>
        <translation>Set Column Width</translation>
    </message>
</context>
<context>
    <name>TextEditor</name>
    <message>
        <source>SelectPicture</source>
        <translation>Select Picture</translation>
    </message>
    <message>
        <source>PictureFiles</source>
        <translation>Picture Files (*.bmp *.gif *.jpg *.jpeg *.png *.pbm *.pgm *.ppm *.tiff *.xbm *.xpm *.svg *.BMP *.GIF *.JPG *.JPEG *.PNG *.PBM *.PGM *.PPM *.TIFF *.XBM *.XPM *.SVG)</translation>
    </message>
    <message>
        <source>UnreadablePicture</source>
        <translation>The file %1 is not a picture that can be read.</translation>
    </message>
</context>
<context>
    <name>AbstractTextEditorView</name>
    <message>
        <source>Replace</source>
        <translation>Replace...</translation>
    </message>
</context>
<context>
    <name>InsertTableDialog</name>
    <message>
        <source>InsertTableDialogTitle</source>
        <translation>Insert Table</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Alignment:</translation>
    </message>
    <message>
        <source>CellPadding</source>
        <translation>Cell padding:</translation>
    </message>
    <message>
        <source>CellSpacing</source>
        <translation>Cell spacing:</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rows:</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columns:</translation>
    </message>
    <message>
        <source>ColumnWidths</source>
        <translation>Column widths</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>FindWhat</source>
        <translation>Find what:</translation>
    </message>
    <message>
        <source>SearchForward</source>
        <translation>Search forward</translation>
    </message>
    <message>
        <source>SearchBackward</source>
        <translation>Search backward</translation>
    </message>
    <message>
        <source>CaseSensitive</source>
        <translation>Case sensitive</translation>
    </message>
    <message>
        <source>CaseInsensitive</source>
        <translation>Case insensitive</translation>
    </message>
    <message>
        <source>MatchOnlyCompleteWords</source>
        <translation>Match only complete words</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <source>FindDialogWindowTitle</source>
        <translation>Find Text</translation>
    </message>
</context>
<context>
    <name>ReplaceDialog</name>
    <message>
        <source>ReplaceWith</source>
        <translation>Replace with:</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace...</translation>
    </message>
    <message>
        <source>ReplaceAll</source>
        <translation>Replace All</translation>
    </message>
    <message>
        <source>ReplaceDialogWindowTitle</source>
        <translation>Find and Replace Text</translation>
    </message>
</context>
<context>
    <name>SpellCheckerDialog</name>
    <message>
        <source>SpellCheckerDialogWindowTitle</source>
        <translation>Spell Checker</translation>
    </message>
    <message>
        <source>AddToDictionary</source>
        <translation>Add to Dictionary</translation>
    </message>
    <message>
        <source>SpellCheckComplete</source>
        <translation>The spell check is complete.</translation>
    </message>
    <message>
        <source>SpellCheckNotAvailable</source>
        <translation>Spell checking is not available.</translation>
    </message>
</context>
</TS>
