<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<!-- The key-rule wizard pages. -->
<context>
    <name>SelectActiveStatusWizardPage</name>
    <message>
        <source>SelectActiveStatusWizardPageTitle</source>
        <translation>Select Active Status</translation>
    </message>
    <message>
        <source>SelectActiveStatusWizardPageSubTitle</source>
        <translation>Please enable or disable the active status of this key.</translation>
    </message>
    <message>
        <source>ActiveStatus</source>
        <translation>Enable active status</translation>
    </message>
</context>
<context>
    <name>SelectActiveMonthsWizardPage</name>
    <message>
        <source>SelectActiveMonthsWizardPageTitle</source>
        <translation>Select Active Months</translation>
    </message>
    <message>
        <source>SelectActiveMonthsWizardPageSubTitle</source>
        <translation>Please select the months of the year during which this key will be active.</translation>
    </message>
    <message>
        <source>ActiveMonths</source>
        <translation>Active months</translation>
    </message>
</context>
<context>
    <name>SelectActiveDaysWizardPage</name>
    <message>
        <source>SelectActiveDaysWizardPageTitle</source>
        <translation>Select Active Days</translation>
    </message>
    <message>
        <source>SelectActiveDaysWizardPageSubTitle</source>
        <translation>Please select the days on which this key will be active.</translation>
    </message>
    <message>
        <source>ActiveDays</source>
        <translation>Active days</translation>
    </message>
</context>
<context>
    <name>SelectActiveHoursWizardPage</name>
    <message>
        <source>SelectActiveHoursWizardPageTitle</source>
        <translation>Select Active Hours</translation>
    </message>
    <message>
        <source>SelectActiveHoursWizardPageSubTitle</source>
        <translation>Please select the hours of the day during which this key will be active.</translation>
    </message>
    <message>
        <source>UnrestrictedHours</source>
        <translation>Unrestricted hours</translation>
    </message>
    <message>
        <source>RestrictedHours</source>
        <translation>Restricted hours</translation>
    </message>
    <message>
        <source>From</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>To</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region:</translation>
    </message>
    <message>
        <source>TableFilterGroupBoxTitle</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>FilterTableByContinent</source>
        <translation>By continent</translation>
    </message>
    <message>
        <source>FilterTableByTimezone</source>
        <translation>By time zone</translation>
    </message>
    <message>
        <source>STZ</source>
        <translation>STZ</translation>
    </message>
    <message>
        <source>DTZ</source>
        <translation>DTZ</translation>
    </message>
    <message>
        <source>ActiveHours</source>
        <translation>Active Hours</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <source>DSTNotObserved</source>
        <translation>Daylight Saving Time not observed</translation>
    </message>
</context>
<context>
    <name>SelectDocumentKeyPermissionsWizardPage</name>
    <message>
        <source>SelectDocumentKeyPermissionsWizardPageTitle</source>
        <translation>Select Permissions</translation>
    </message>
    <message>
        <source>SelectDocumentKeyPermissionsWizardPageSubTitle</source>
        <translation>Please select the permissions that will be granted by this key.</translation>
    </message>
</context>
<context>
    <name>SelectFolderKeyPermissionsWizardPage</name>
    <message>
        <source>SelectFolderKeyPermissionsWizardPageTitle</source>
        <translation>Select Permissions</translation>
    </message>
    <message>
        <source>SelectFolderKeyPermissionsWizardPageSubTitle</source>
        <translation>Please select the permissions that will be granted by this key.</translation>
    </message>
    <message>
        <source>PermissionViewFolderContents</source>
        <translation>Allow the contents of the folder to be viewed</translation>
    </message>
    <message>
        <source>PermissionSearchFolderContents</source>
        <translation>Allow the contents of the folder to be searched</translation>
    </message>
</context>
<context>
    <name>SelectSessionDurationWizardPage</name>
    <message>
        <source>SelectSessionDurationWizardPageTitle</source>
        <translation>Select Session Duration</translation>
    </message>
    <message>
        <source>SelectSessionDurationWizardPageSubTitle</source>
        <translation>Please select the session duration that will be associated with this key.</translation>
    </message>
    <message>
        <source>UnrestrictedDuration</source>
        <translation>Unrestricted duration</translation>
    </message>
    <message>
        <source>RestrictedDuration</source>
        <translation>Restricted duration</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Units:</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Hours</translation>
    </message>
</context>
<context>
    <name>SelectExpirationDateWizardPage</name>
    <message>
        <source>SelectExpirationDateWizardPageTitle</source>
        <translation>Select Expiration Date</translation>
    </message>
    <message>
        <source>SelectExpirationDateWizardPageSubTitle</source>
        <translation>Please select the expiration date of this key.</translation>
    </message>
    <message>
        <source>OneWeekExpirationDate</source>
        <translation>1 Week</translation>
    </message>
    <message>
        <source>TwoWeeksExpirationDate</source>
        <translation>2 Weeks</translation>
    </message>
    <message>
        <source>OneMonthExpirationDate</source>
        <translation>1 Month</translation>
    </message>
    <message>
        <source>ThreeMonthsExpirationDate</source>
        <translation>3 Months</translation>
    </message>
    <message>
        <source>SixMonthsExpirationDate</source>
        <translation>6 Months</translation>
    </message>
    <message>
        <source>NineMonthsExpirationDate</source>
        <translation>9 Months</translation>
    </message>
    <message>
        <source>OneYearExpirationDate</source>
        <translation>1 Year</translation>
    </message>
    <message>
        <source>TwoYearsExpirationDate</source>
        <translation>2 Years</translation>
    </message>
    <message>
        <source>ThreeYearsExpirationDate</source>
        <translation>3 Years</translation>
    </message>
    <message>
        <source>FourYearsExpirationDate</source>
        <translation>4 Years</translation>
    </message>
    <message>
        <source>FiveYearsExpirationDate</source>
        <translation>5 Years</translation>
    </message>
    <message>
        <source>TenYearsExpirationDate</source>
        <translation>10 Years</translation>
    </message>
    <message>
        <source>SelectExpirationDate</source>
        <translation>Select</translation>
    </message>
</context>
<context>
    <name>SelectPasscodeWizardPage</name>
    <message>
        <source>SelectPasscodeWizardPageTitle</source>
        <translation>Select Passcode</translation>
    </message>
    <message>
        <source>SelectPasscodeWizardPageSubTitle</source>
        <translation>Select the passcode that will be associated with this key.</translation>
    </message>
    <message>
        <source>NoPasscode</source>
        <translation>I do not want to associate a passcode with this key</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>I want to associate a passcode with this key</translation>
    </message>
    <message>
        <source>EnterPasscode</source>
        <translation>Please enter a passcode.</translation>
    </message>
    <message>
        <source>ValidatingPasscode</source>
        <translation>Validating the entered passcode...</translation>
    </message>
    <message>
        <source>ReenterPasscode</source>
        <translation>Please re-enter the passcode.</translation>
    </message>
    <message>
        <source>ValidatingReenteredPasscode</source>
        <translation>Validating the re-entered passcode...</translation>
    </message>
    <message>
        <source>PasscodeHasBeenEntered</source>
        <translation>A passcode has been successfully validated and associated with the key.</translation>
    </message>
    <message>
        <source>PasscodeCannotBeEmptyWarning</source>
        <translation>A passcode cannot be empty.</translation>
    </message>
    <message>
        <source>PasscodesDoNotMatchWarning</source>
        <translation>The passcodes you entered do not match.</translation>
    </message>
</context>
<context>
    <name>SelectRevisionWizardPage</name>
    <message>
        <source>SelectRevisionWizardPageTitle</source>
        <translation>Select Revision</translation>
    </message>
    <message>
        <source>SelectRevisionWizardPageSubTitle</source>
        <translation>This wizard will guide you through the selection of the revision to be associated with the document key.</translation>
    </message>
    <message>
        <source>CurrentRevision</source>
        <translation>Current Revision</translation>
    </message>
    <message>
        <source>PreviousRevision</source>
        <translation>Previous Revision</translation>
    </message>
</context>
</TS>
