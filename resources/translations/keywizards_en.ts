<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<!-- The create-key wizards and the wizards that set one rule of a key. -->
<context>
    <name>CreateDocumentKeyWizard</name>
    <message>
        <source>CreateDocumentKeyWizardTitle</source>
        <translation>Create Document Key Wizard</translation>
    </message>
</context>
<context>
    <name>CreateFolderKeyWizard</name>
    <message>
        <source>CreateFolderKeyWizardTitle</source>
        <translation>Create Folder Key Wizard</translation>
    </message>
</context>
<context>
    <name>CreateDocumentKeyIntroductionWizardPage</name>
    <message>
        <source>CreateDocumentKeyIntroductionWizardPageTitle</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>CreateDocumentKeyIntroductionWizardPageSubTitle</source>
        <translation>This wizard will guide you through the creation of a document key.</translation>
    </message>
</context>
<context>
    <name>CreateFolderKeyIntroductionWizardPage</name>
    <message>
        <source>CreateFolderKeyIntroductionWizardPageTitle</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>CreateFolderKeyIntroductionWizardPageSubTitle</source>
        <translation>This wizard will guide you through the creation of a folder key.</translation>
    </message>
</context>
<context>
    <name>CreateDocumentKeyConfirmationWizardPage</name>
    <message>
        <source>CreateDocumentKeyConfirmationWizardPageTitle</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>CreateDocumentKeyConfirmationWizardPageSubTitle</source>
        <translation>Please confirm your selections.</translation>
    </message>
    <message>
        <source>TranslationA</source>
        <translation>&lt;FONT COLOR="RED"&gt;The document key does not have any permissions associated with it.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationB</source>
        <translation>The document key will have the following permissions associated with it: &lt;ul&gt;</translation>
    </message>
    <message>
        <source>TranslationD</source>
        <translation>&lt;FONT COLOR="RED"&gt;The document key will not have an active status.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationE</source>
        <translation>The document key will have an active status.&lt;br /&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationF</source>
        <translation>&lt;FONT COLOR="RED"&gt;The document key will not be active during any months.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationG</source>
        <translation>The document key will be active during the following months:&lt;ul&gt;</translation>
    </message>
    <message>
        <source>TranslationH</source>
        <translation>&lt;FONT COLOR="RED"&gt;The document key will not be active on any days.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationI</source>
        <translation>The document key will be active on the following days:&lt;ul&gt;</translation>
    </message>
    <message>
        <source>TranslationJ</source>
        <translation>The document key will not be restricted to a time interval during the day.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationK</source>
        <translation>The document key will be active during the time interval from %1 to %2.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationN</source>
        <translation>The document key will not have a session duration associated with it.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationO</source>
        <translation>The document key will have a session duration of %1 %2.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationP</source>
        <translation>The document key will not have an expiration date associated with it.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationQ</source>
        <translation>&lt;FONT COLOR="RED"&gt;The document key's expiration date will be %1, today.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationR</source>
        <translation>The document key's expiration date will be %1, tomorrow.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationS</source>
        <translation>The document key's expiration date will be %1, in %2 days.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationT</source>
        <translation>The document key will not have a passcode.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationU</source>
        <translation>The document key has a passcode that has been entered and validated.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationV</source>
        <translation>&lt;FONT COLOR="RED"&gt;No users have been selected.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationW</source>
        <translation>A document key with these selections will be created for each of the following users:&lt;ul&gt;</translation>
    </message>
    <message>
        <source>TranslationX</source>
        <translation>The document key will access revision &lt;u&gt;%1&lt;/u&gt; of the document.&lt;br /&gt;&lt;br/&gt;</translation>
    </message>
    <message>
        <source>TranslationY</source>
        <translation>The document key will access the current revision of the document.&lt;br /&gt;&lt;br/&gt;</translation>
    </message>
</context>
<context>
    <name>CreateFolderKeyConfirmationWizardPage</name>
    <message>
        <source>CreateFolderKeyConfirmationWizardPageTitle</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>CreateFolderKeyConfirmationWizardPageSubTitle</source>
        <translation>Please confirm your selections.</translation>
    </message>
    <message>
        <source>TranslationA</source>
        <translation>&lt;FONT COLOR="RED"&gt;The folder key does not have any permissions associated with it.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationB</source>
        <translation>The folder key will have the following permissions associated with it:&lt;ul&gt;%1&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>TranslationC</source>
        <translation>&lt;li&gt;Allow the contents of the folder to be viewed&lt;/li&gt;</translation>
    </message>
    <message>
        <source>TranslationD</source>
        <translation>&lt;FONT COLOR="RED"&gt;The folder key will not have an active status.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationE</source>
        <translation>The folder key will have an active status.&lt;br /&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationF</source>
        <translation>&lt;FONT COLOR="RED"&gt;The folder key will not be active during any months.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationG</source>
        <translation>The folder key will be active during the following months:&lt;ul&gt;</translation>
    </message>
    <message>
        <source>TranslationH</source>
        <translation>&lt;FONT COLOR="RED"&gt;The folder key will not be active on any days.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationI</source>
        <translation>The folder key will be active on the following days:&lt;ul&gt;</translation>
    </message>
    <message>
        <source>TranslationJ</source>
        <translation>The folder key will not be restricted to a time interval during the day.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationK</source>
        <translation>The folder key will be active during the time interval from %1 to %2.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationN</source>
        <translation>The folder key will not have a session duration associated with it.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationO</source>
        <translation>The folder key will have a session duration of %1 %2.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationP</source>
        <translation>The folder key will not have an expiration date associated with it.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationQ</source>
        <translation>&lt;FONT COLOR="RED"&gt;The folder key's expiration date will be %1, today.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationR</source>
        <translation>The folder key's expiration date will be %1, tomorrow.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationS</source>
        <translation>The folder key's expiration date will be %1, in %2 days.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationT</source>
        <translation>The folder key will not have a passcode.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationU</source>
        <translation>The folder key has a passcode that has been entered and validated.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationV</source>
        <translation>&lt;FONT COLOR="RED"&gt;No users have been selected.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationW</source>
        <translation>A folder key with these selections will be created for each of the following users:&lt;ul&gt;</translation>
    </message>
    <message>
        <source>TranslationX</source>
        <translation>&lt;li&gt;Allow the contents of the folder to be searched&lt;/li&gt;</translation>
    </message>
</context>
<context>
    <name>SelectDocumentKeyUserWizardPage</name>
    <message>
        <source>SelectDocumentKeyUserWizardPageTitle</source>
        <translation>Select User</translation>
    </message>
    <message>
        <source>SelectDocumentKeyUserWizardPageSubTitle</source>
        <translation>Please select the users for whom a copy of the document key is to be created.</translation>
    </message>
</context>
<context>
    <name>SelectFolderKeyUserWizardPage</name>
    <message>
        <source>SelectFolderKeyUserWizardPageTitle</source>
        <translation>Select User</translation>
    </message>
    <message>
        <source>SelectFolderKeyUserWizardPageSubTitle</source>
        <translation>Please select the users for whom a copy of the folder key is to be created.</translation>
    </message>
</context>
<context>
    <name>SetActiveHoursWizard</name>
    <message>
        <source>SetActiveHoursWizardTitle</source>
        <translation>Set Active Hours Wizard</translation>
    </message>
</context>
<context>
    <name>SetActiveHoursIntroductionWizardPage</name>
    <message>
        <source>SetActiveHoursIntroductionWizardPageTitle</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>SetActiveHoursIntroductionWizardPageSubTitle</source>
        <translation>This wizard will guide you through setting the active hours of a key.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>This wizard allows you to select the hours of the day during which %1 will have access to '%2' and its contents.</translation>
    </message>
</context>
<context>
    <name>SetActiveHoursConfirmationWizardPage</name>
    <message>
        <source>SetActiveHoursConfirmationWizardPageTitle</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>SetActiveHoursConfirmationWizardPageSubTitle</source>
        <translation>Please confirm your selections.</translation>
    </message>
    <message>
        <source>RestrictedHours</source>
        <translation>The key that grants %2 access to '%1' will be active from %3 to %4.</translation>
    </message>
    <message>
        <source>NoRestrictedHours</source>
        <translation>The key that grants %2 access to '%1' will not have restricted hours.</translation>
    </message>
</context>
<context>
    <name>SetExpirationDateWizard</name>
    <message>
        <source>SetExpirationDateWizardTitle</source>
        <translation>Set Expiration Date Wizard</translation>
    </message>
</context>
<context>
    <name>SetExpirationDateIntroductionWizardPage</name>
    <message>
        <source>SetExpirationDateIntroductionWizardPageTitle</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>SetExpirationDateIntroductionWizardPageSubTitle</source>
        <translation>This wizard will guide you through setting the expiration date of a key.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>This wizard allows you to set or modify the expiration date of the key that grants %1 access to '%2' and its contents.</translation>
    </message>
</context>
<context>
    <name>SetExpirationDateConfirmationWizardPage</name>
    <message>
        <source>SetExpirationDateConfirmationWizardPageTitle</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>SetExpirationDateConfirmationWizardPageSubTitle</source>
        <translation>Please confirm your selections.</translation>
    </message>
    <message>
        <source>Translation0</source>
        <translation>&lt;FONT COLOR="RED"&gt;The expiration date of the key will be %1, today.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
    <message>
        <source>Translation1</source>
        <translation>The expiration date of the key will be %1, tomorrow.&lt;br /&gt;</translation>
    </message>
    <message>
        <source>TranslationN</source>
        <translation>The expiration date of the key will be %1, in %2 days.&lt;br /&gt;</translation>
    </message>
</context>
<context>
    <name>SetPasscodeWizard</name>
    <message>
        <source>SetPasscodeWizardTitle</source>
        <translation>Set Passcode Wizard</translation>
    </message>
</context>
<context>
    <name>SetPasscodeIntroductionWizardPage</name>
    <message>
        <source>SetPasscodeIntroductionWizardPageTitle</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>SetPasscodeIntroductionWizardPageSubTitle</source>
        <translation>This wizard will guide you through setting the passcode of a key.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>This wizard allows you to set or modify the passcode of the key that grants %1 access to '%2' and its contents.</translation>
    </message>
</context>
<context>
    <name>SetPasscodeConfirmationWizardPage</name>
    <message>
        <source>SetPasscodeConfirmationWizardPageTitle</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>SetPasscodeConfirmationWizardPageSubTitle</source>
        <translation>Please confirm your selections.</translation>
    </message>
    <message>
        <source>NoPasscode</source>
        <translation>No passcode will be set for the key that grants %2 access to '%1' and its contents.</translation>
    </message>
    <message>
        <source>ValidPasscode</source>
        <translation>A valid passcode has been selected and will be set for the key that grants %2 access to '%1' and its contents.</translation>
    </message>
    <message>
        <source>InvalidPasscode</source>
        <translation>&lt;FONT COLOR="RED"&gt;An invalid passcode has been selected for the key that grants %2 access to '%1' and its contents.&lt;/FONT&gt;&lt;br /&gt;</translation>
    </message>
</context>
<context>
    <name>SetRevisionWizard</name>
    <message>
        <source>SetRevisionWizardTitle</source>
        <translation>Set Revision Wizard</translation>
    </message>
</context>
<context>
    <name>SetRevisionIntroductionWizardPage</name>
    <message>
        <source>SetRevisionIntroductionWizardPageTitle</source>
        <translation>Set Document Revision</translation>
    </message>
    <message>
        <source>SetRevisionIntroductionWizardPageSubTitle</source>
        <translation>This wizard will allow you to select the document revision to be associated with the document key.</translation>
    </message>
    <message>
        <source>SetRevisionIntroductionWizardPageText</source>
        <translation>This wizard will allow you to select which revision of the document (%1) you want to associate with the document key created for the user (%2). &lt;em&gt;This determines which revision of the document the user is allowed to view.&lt;/em&gt; You can select either the &lt;em&gt;current&lt;/em&gt; revision of the document or a &lt;em&gt;previous&lt;/em&gt; revision of the document.</translation>
    </message>
</context>
<context>
    <name>SetRevisionConfirmationWizardPage</name>
    <message>
        <source>SetRevisionConfirmationWizardPageTitle</source>
        <translation>Set Revision</translation>
    </message>
    <message>
        <source>SetRevisionConfirmationWizardPageSubTitle</source>
        <translation>Please confirm your selections.</translation>
    </message>
    <message>
        <source>CurrentRevision</source>
        <translation>You have selected the current (i.e. latest) revision of the document.</translation>
    </message>
    <message>
        <source>PreviousRevision</source>
        <translation>You have selected a previous (%1) revision of the document.</translation>
    </message>
</context>
<context>
    <name>SetSessionDurationWizard</name>
    <message>
        <source>SetSessionDurationWizardTitle</source>
        <translation>Set Session Duration Wizard</translation>
    </message>
</context>
<context>
    <name>SetSessionDurationIntroductionWizardPage</name>
    <message>
        <source>SetSessionDurationIntroductionWizardPageTitle</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>SetSessionDurationIntroductionWizardPageSubTitle</source>
        <translation>This wizard will guide you through setting the session duration of a key.</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>This wizard allows you to set the session duration of the key that grants %1 access to '%2' and its contents.</translation>
    </message>
</context>
<context>
    <name>SetSessionDurationConfirmationWizardPage</name>
    <message>
        <source>SetSessionDurationConfirmationWizardPageTitle</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>SetSessionDurationConfirmationWizardPageSubTitle</source>
        <translation>Please confirm your selections.</translation>
    </message>
    <message>
        <source>RestrictedDuration</source>
        <translation>The session duration of the key that grants %2 access to '%1' and its contents will be set to %3 %4.</translation>
    </message>
    <message>
        <source>NoRestrictedDuration</source>
        <translation>The session duration of the key that grants %2 access to '%1' and its contents will not be set.</translation>
    </message>
</context>
</TS>
