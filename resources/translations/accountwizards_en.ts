<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<!-- The reset-password and restore-document wizards and the console's restore warning. -->
<context>
    <name>ConsoleView</name>
    <message>
        <source>DocumentNotRestored</source>
        <translation>The document %1 was not restored.</translation>
    </message>
</context>
<context>
    <name>ResetPasswordWizard</name>
    <message>
        <source>ResetPasswordWizardTitle</source>
        <translation>Reset Password Wizard</translation>
    </message>
</context>
<context>
    <name>ResetPasswordIntroductionWizardPage</name>
    <message>
        <source>ResetPasswordIntroductionWizardPageTitle</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>ResetPasswordIntroductionWizardPageSubTitle</source>
        <translation>This wizard will allow you to reset your password.</translation>
    </message>
</context>
<context>
    <name>ResetPasswordAuthenticateWizardPage</name>
    <message>
        <source>ResetPasswordAuthenticateWizardPageTitle</source>
        <translation>Reset Password Authentication</translation>
    </message>
    <message>
        <source>ResetPasswordAuthenticateWizardPageSubTitle</source>
        <translation>Please enter your user name and current password in order to be authenticated.</translation>
    </message>
    <message>
        <source>UserName</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>CurrentPassword</source>
        <translation>Current password:</translation>
    </message>
    <message>
        <source>UserNameEmptyWarning</source>
        <translation>Your user name must be entered.</translation>
    </message>
    <message>
        <source>CurrentPasswordEmptyWarning</source>
        <translation>Your current password must be entered.</translation>
    </message>
    <message>
        <source>InvalidUserNameWarning</source>
        <translation>An invalid user name has been entered.</translation>
    </message>
    <message>
        <source>InvalidPasswordWarning</source>
        <translation>An invalid password has been entered.</translation>
    </message>
</context>
<context>
    <name>ResetPasswordReinitializeWizardPage</name>
    <message>
        <source>ResetPasswordReinitializeWizardPageTitle</source>
        <translation>Reset Password Settings</translation>
    </message>
    <message>
        <source>ResetPasswordReinitializeWizardPageSubTitle</source>
        <translation>Please enter and confirm your new password.</translation>
    </message>
    <message>
        <source>PasswordRequirements</source>
        <translation>Password requirements</translation>
    </message>
    <message>
        <source>EnterNewPassword</source>
        <translation>Enter the new password:</translation>
    </message>
    <message>
        <source>ConfirmNewPassword</source>
        <translation>Confirm the new password:</translation>
    </message>
    <message>
        <source>PasswordLengthRequirement</source>
        <translation>The new password must have a length of at least 6 characters</translation>
    </message>
    <message>
        <source>PasswordLowercaseRequirement</source>
        <translation>The new password must contain at least 1 lowercase character</translation>
    </message>
    <message>
        <source>PasswordLowercaseRequirementOptional</source>
        <translation>Password must contain at least 1 lowercase character (optional)</translation>
    </message>
    <message>
        <source>PasswordUppercaseRequirement</source>
        <translation>The new password must contain at least 1 uppercase character</translation>
    </message>
    <message>
        <source>PasswordUppercaseRequirementOptional</source>
        <translation>Password must contain at least 1 uppercase character (optional)</translation>
    </message>
    <message>
        <source>PasswordNumberRequirement</source>
        <translation>The new password must contain at least 1 digit</translation>
    </message>
    <message>
        <source>PasswordNumberRequirementOptional</source>
        <translation>Password must contain at least 1 digit (optional)</translation>
    </message>
    <message>
        <source>PasswordSymbolRequirement</source>
        <translation>!  #  $  %  &amp;  (  )  *  +  ,  -  .  /  :  ;  &lt;  =  &gt;  ?  @  [  \  ]  ^  _  `  {  |  }  ~</translation>
    </message>
    <message>
        <source>PasswordSymbolRequirementOptional</source>
        <translation>Password must contain at least 1 symbol (optional)</translation>
    </message>
    <message>
        <source>EnterNewPasswordEmptyWarning</source>
        <translation>A new password has not been specified.</translation>
    </message>
    <message>
        <source>NewPasswordFailsLengthRequirementWarning</source>
        <translation>A new password must have a length of at least 6 characters.</translation>
    </message>
    <message>
        <source>NewPasswordFailsOptionalRequirementsWarning</source>
        <translation>A new password must satisfy at least 3 of the optional requirements.</translation>
    </message>
    <message>
        <source>NewPasswordCannotEqualCurrentPasswordWarning</source>
        <translation>Your new password must be different from your current password.</translation>
    </message>
    <message>
        <source>ConfirmNewPasswordEmptyWarning</source>
        <translation>You must confirm your new password.</translation>
    </message>
    <message>
        <source>NewPasswordNotConfirmedWarning</source>
        <translation>The text entered in the confirmation field is not equal to the new password.</translation>
    </message>
</context>
<context>
    <name>ResetPasswordConfirmationWizardPage</name>
    <message>
        <source>ResetPasswordConfirmationWizardPageTitle</source>
        <translation>Reset Password Confirmation</translation>
    </message>
    <message>
        <source>ResetPasswordConfirmationWizardPageSubTitle</source>
        <translation>You have successfully reset your password.</translation>
    </message>
    <message>
        <source>PasswordHasThisLength</source>
        <translation>The length of your new password is %1 characters.</translation>
    </message>
    <message>
        <source>PasswordSatisfiesTheseRequirements</source>
        <translation>In addition, your new password satisfies these requirements:</translation>
    </message>
    <message>
        <source>PasswordLowercaseRequirement</source>
        <translation>Password must contain at least 1 lowercase character</translation>
    </message>
    <message>
        <source>PasswordUppercaseRequirement</source>
        <translation>Password must contain at least 1 uppercase character</translation>
    </message>
    <message>
        <source>PasswordNumberRequirement</source>
        <translation>Password must contain at least 1 digit</translation>
    </message>
    <message>
        <source>PasswordSymbolRequirement</source>
        <translation>Password must contain at least 1 symbol</translation>
    </message>
</context>
<context>
    <name>RestoreDocumentWizard</name>
    <message>
        <source>RestoreDocumentWizardTitle</source>
        <translation>Restore Document Wizard</translation>
    </message>
</context>
<context>
    <name>RestoreDocumentIntroductionWizardPage</name>
    <message>
        <source>RestoreDocumentIntroductionWizardPageTitle</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>RestoreDocumentIntroductionWizardPageSubTitle</source>
        <translation>This wizard will guide you through restoring a document you have deleted.</translation>
    </message>
</context>
<context>
    <name>RestoreDocumentSelectDocumentWizardPage</name>
    <message>
        <source>RestoreDocumentSelectDocumentWizardPageTitle</source>
        <translation>Restore Document</translation>
    </message>
    <message>
        <source>RestoreDocumentSelectDocumentWizardPageSubTitle</source>
        <translation>Select the document to be restored.</translation>
    </message>
    <message>
        <source>SearchGroupBox</source>
        <translation>Document search criteria</translation>
    </message>
    <message>
        <source>SearchGroupLabel</source>
        <translation>Document was deleted between</translation>
    </message>
    <message>
        <source>SearchGroupConjunctionLabel</source>
        <translation>and</translation>
    </message>
    <message>
        <source>DocumentGroupBox</source>
        <translation>Document and revision to restore</translation>
    </message>
    <message>
        <source>DocumentFolderGroupBox</source>
        <translation>Folder to restore the selected document in</translation>
    </message>
    <message>
        <source>OriginalFolder</source>
        <translation>Automatically restore the document in the folder that contained it</translation>
    </message>
    <message>
        <source>SelectedFolder</source>
        <translation>Manually select the folder in which the document is to be restored</translation>
    </message>
    <message>
        <source>TableWidgetHeader1</source>
        <translation>Document Name</translation>
    </message>
    <message>
        <source>TableWidgetHeader2</source>
        <translation>Date Deleted</translation>
    </message>
    <message>
        <source>RestoreDocumentSelectFolderWizardPageTitle</source>
        <translation>Restore Document</translation>
    </message>
    <message>
        <source>FolderDoesNotExist</source>
        <translation>Folder does not exist.</translation>
    </message>
    <message>
        <source>FolderIsParentOfDocumentWithNameOfDocumentToBeRestored</source>
        <translation>The selected folder already contains a document with the same name as the name of the document to be restored.</translation>
    </message>
</context>
<context>
    <name>RestoreDocumentSelectFolderWizardPage</name>
    <message>
        <source>RestoreDocumentSelectFolderWizardPageTitle</source>
        <translation>Restore Document</translation>
    </message>
    <message>
        <source>RestoreDocumentSelectFolderWizardPageSubTitle</source>
        <translation>Select the folder that will contain the restored document.</translation>
    </message>
    <message>
        <source>FolderIsParentOfDocumentWithNameOfDocumentToBeRestored</source>
        <translation>The selected folder already contains a document with the same name as the name of the document to be restored.</translation>
    </message>
</context>
<context>
    <name>RestoreDocumentConfirmationWizardPage</name>
    <message>
        <source>RestoreDocumentConfirmationWizardPageTitle</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>RestoreDocumentConfirmationWizardPageSubTitle</source>
        <translation>Please confirm your selections.</translation>
    </message>
    <message>
        <source>ConfirmationText</source>
        <translation>Click Finish to restore '%1' (revision %2) in the '%3' folder.</translation>
    </message>
</context>
</TS>
