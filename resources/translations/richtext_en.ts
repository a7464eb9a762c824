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
    <message>
        <source>Bold</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>AlignLeft</source>
        <translation>Align Left</translation>
    </message>
    <message>
        <source>AlignCenter</source>
        <translation>Align Center</translation>
    </message>
    <message>
        <source>AlignRight</source>
        <translation>Align Right</translation>
    </message>
    <message>
        <source>AlignJustify</source>
        <translation>Align Justify</translation>
    </message>
    <message>
        <source>IncreaseIndent</source>
        <translation>Increase Indent</translation>
    </message>
    <message>
        <source>DecreaseIndent</source>
        <translation>Decrease Indent</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>TextListCircle</source>
        <translation>Bullet List Circles</translation>
    </message>
    <message>
        <source>TextListDisc</source>
        <translation>Bullet List Filled Circles</translation>
    </message>
    <message>
        <source>TextListSquare</source>
        <translation>Bullet List Filled Squares</translation>
    </message>
    <message>
        <source>TextListDecimal</source>
        <translation>Ordered List Decimal Values</translation>
    </message>
    <message>
        <source>TextListUpperAlpha</source>
        <translation>Ordered List Uppercase Latin Characters</translation>
    </message>
    <message>
        <source>TextListLowerAlpha</source>
        <translation>Ordered List Lowercase Latin Characters</translation>
    </message>
    <message>
        <source>TextListUpperRoman</source>
        <translation>Numbered List Uppercase Roman Numerals</translation>
    </message>
    <message>
        <source>TextListLowerRoman</source>
        <translation>Numbered List Lowercase Roman Numerals</translation>
    </message>
    <message>
        <source>NoTextList</source>
        <translation>No Text List</translation>
    </message>
    <message>
        <source>InsertHorizontalRuler</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>InsertTable</source>
        <translation>Table...</translation>
    </message>
    <message>
        <source>InsertPicture</source>
        <translation>Picture...</translation>
    </message>
    <message>
        <source>InsertRows</source>
        <translation>Insert Row</translation>
    </message>
    <message>
        <source>InsertColumns</source>
        <translation>Insert Column</translation>
    </message>
    <message>
        <source>SetColumnWidth</source>
        <translation>Set Column Width...</translation>
    </message>
    <message>
        <source>DeleteRows</source>
        <translation>Delete Row</translation>
    </message>
    <message>
        <source>DeleteColumns</source>
        <translation>Delete Column</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ExportToTextFile</source>
        <translation>Export to Text File...</translation>
    </message>
    <message>
        <source>ExportToPdfFile</source>
        <translation>Export to PDF File...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>PrintPreview</source>
        <translation>Print Preview...</translation>
    </message>
    <message>
        <source>CheckSpelling</source>
        <translation>Check Spelling...</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>FormattingToolbar</source>
        <translation>Formatting Toolbar</translation>
    </message>
    <message>
        <source>UndoStatusTip</source>
        <translation>Undo the last change made to the content of the editor.</translation>
    </message>
    <message>
        <source>UndoToolTip</source>
        <translation>Undo&lt;p&gt;&lt;small&gt;Undo the last change made to the content of the editor.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>RedoStatusTip</source>
        <translation>Redo the last change made to the content of the editor.</translation>
    </message>
    <message>
        <source>RedoToolTip</source>
        <translation>Redo&lt;p&gt;&lt;small&gt;Redo the last change made to the content of the editor.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>CutStatusTip</source>
        <translation>Delete the current selection and copy it to the clipboard.</translation>
    </message>
    <message>
        <source>CutToolTip</source>
        <translation>Cut&lt;p&gt;&lt;small&gt;Delete the current selection and copy it to the clipboard.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>CopyStatusTip</source>
        <translation>Copy the current selection to the clipboard.</translation>
    </message>
    <message>
        <source>CopyToolTip</source>
        <translation>Copy&lt;p&gt;&lt;small&gt;Copy the current selection to the clipboard.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>PasteStatusTip</source>
        <translation>Insert the content of the clipboard at the location of the text cursor.</translation>
    </message>
    <message>
        <source>PasteToolTip</source>
        <translation>Paste&lt;p&gt;&lt;small&gt;Insert the content of the clipboard at the location of the text cursor.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>SelectAllStatusTip</source>
        <translation>Select all content in the editor.</translation>
    </message>
    <message>
        <source>FindStatusTip</source>
        <translation>Find text in the editor.</translation>
    </message>
    <message>
        <source>ReplaceStatusTip</source>
        <translation>Find and replace text in the editor.</translation>
    </message>
    <message>
        <source>FormatBoldToolTip</source>
        <translation>Format Bold&lt;p&gt;&lt;small&gt;Make the selected text bold.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>FormatBoldStatusTip</source>
        <translation>Make the selected text bold.</translation>
    </message>
    <message>
        <source>FormatItalicToolTip</source>
        <translation>Format Italic&lt;p&gt;&lt;small&gt;Make the selected text italic.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>FormatItalicStatusTip</source>
        <translation>Make the selected text italic.</translation>
    </message>
    <message>
        <source>FormatUnderlineToolTip</source>
        <translation>Underline&lt;p&gt;&lt;small&gt;Underline the selected text.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>FormatUnderlineStatusTip</source>
        <translation>Underline the selected text.</translation>
    </message>
    <message>
        <source>FormatAlignLeftToolTip</source>
        <translation>Align Left&lt;p&gt;&lt;small&gt;Align the selected text with the left margin.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>FormatAlignLeftStatusTip</source>
        <translation>Align the selected text with the left margin.</translation>
    </message>
    <message>
        <source>FormatAlignCenterToolTip</source>
        <translation>Align Center&lt;p&gt;&lt;small&gt;Center the selected text.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>FormatAlignCenterStatusTip</source>
        <translation>Center the selected text.</translation>
    </message>
    <message>
        <source>FormatAlignRightToolTip</source>
        <translation>Align Right&lt;p&gt;&lt;small&gt;Align the selected text with the right margin.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>FormatAlignRightStatusTip</source>
        <translation>Align the selected text with the right margin.</translation>
    </message>
    <message>
        <source>FormatAlignJustifyToolTip</source>
        <translation>Align Justify&lt;p&gt;&lt;small&gt;Distribute the selected text evenly between the margins.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>FormatAlignJustifyStatusTip</source>
        <translation>Distribute the selected text evenly between the margins.</translation>
    </message>
    <message>
        <source>FontNameToolTip</source>
        <translation>Font Name&lt;p&gt;&lt;small&gt;Select text font.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>FontSizeToolTip</source>
        <translation>Font Size&lt;p&gt;&lt;small&gt;Select text size.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>FontColorToolTip</source>
        <translation>Font Color&lt;p&gt;&lt;small&gt;Select text color.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>SaveStatusTip</source>
        <translation>Save your changes.</translation>
    </message>
    <message>
        <source>SaveToolTip</source>
        <translation>Save Changes&lt;p&gt;&lt;small&gt;Save your changes.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>CloseStatusTip</source>
        <translation>Close this window.</translation>
    </message>
    <message>
        <source>ExportToTextFileStatusTip</source>
        <translation>Export the text in the editor to a file.</translation>
    </message>
    <message>
        <source>ExportToPdfFileStatusTip</source>
        <translation>Export the content of the editor to a PDF file.</translation>
    </message>
    <message>
        <source>PrintStatusTip</source>
        <translation>Print the content of the editor.</translation>
    </message>
    <message>
        <source>PrintToolTip</source>
        <translation>Print Content&lt;p&gt;&lt;small&gt;Print the content of the editor.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>PrintPreviewStatusTip</source>
        <translation>Preview the content of the editor before printing it.</translation>
    </message>
    <message>
        <source>CheckSpellingStatusTip</source>
        <translation>Check the spelling of your text in the editor.</translation>
    </message>
    <message>
        <source>IconGroup</source>
        <translation>Icon Group</translation>
    </message>
    <message>
        <source>IconSize</source>
        <translation>Icon Size</translation>
    </message>
    <message>
        <source>IconSelection</source>
        <translation>Icon Selection</translation>
    </message>
    <message>
        <source>IconToolbar</source>
        <translation>Icon Toolbar</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Alert</translation>
    </message>
    <message>
        <source>Audiovisual</source>
        <translation>Audiovisual</translation>
    </message>
    <message>
        <source>Communication</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Maps</source>
        <translation>Maps</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Notification</translation>
    </message>
    <message>
        <source>Places</source>
        <translation>Places</translation>
    </message>
    <message>
        <source>Social</source>
        <translation>Social</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Toggle</translation>
    </message>
    <message>
        <source>18px</source>
        <translation>18px</translation>
    </message>
    <message>
        <source>24px</source>
        <translation>24px</translation>
    </message>
    <message>
        <source>36px</source>
        <translation>36px</translation>
    </message>
    <message>
        <source>48px</source>
        <translation>48px</translation>
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
