#pragma once

#include <QObject>

#include <map>
#include <string>

namespace cef {

// The CEF severity of an event: 1 to 10; 0 means "not set".
enum Severity : int
{
    NullSeverity = 0,
};

// No event class id set.
constexpr int NullClassId = 0;

enum Outcome : int
{
    FailureOutcome = 0,
    SuccessOutcome = 1,
    NoOutcome = 2,
};

// `value` escaped for a CEF extension: backslash, equals sign, carriage
// return and line feed become "\\", "\=", "\r" and "\n", so that no value can
// end its pair or its line early.
std::string extension(const std::string& value);

}  // namespace cef

// One audit line in the Common Event Format: a header of seven fields and an
// extension of key=value pairs in key order. Whether the line is written at
// all, and with details, follows the logged-on user's audit bits: bit n asks
// for events of severity n, bit n + 10 for their details.
class LogEvent : public QObject
{
    Q_OBJECT

public:
    explicit LogEvent(QObject* parent);
    ~LogEvent() override;

    // Bit `position` (0 to 31) of the logged-on user's audit bits, read afresh;
    // all bits are 0 when nobody is logged on. Above 31: std::out_of_range.
    bool auditSeverity(cef::Severity position) const;
    bool auditEvent() const;
    bool addEventDetails() const;

    // Reads the event's request or reply and adds its pairs; false when the
    // event is not to be logged.
    virtual bool handleEvent();

    // Empty when a text field of the header is empty.
    std::string header() const;
    std::string extension() const;

    // A key keeps its first value: later values for it are dropped.
    void addKeyValuePair(const std::string& key, const std::string& value);
    void addKeyValuePair(const std::string& key, int value);
    void addKeyValuePair(const std::string& key, unsigned int value);

    // Adds the outcome, writes the line to the ACE log at the priority of the
    // severity and returns it; an event that is not complete and audited
    // writes and returns nothing.
    std::string logEvent(cef::Outcome outcome);

protected:
    std::string m_cefVersion;
    std::string m_cefDeviceVendor;
    std::string m_cefDeviceProduct;
    std::string m_cefDeviceVersion;
    int m_cefDeviceEventClassId;
    std::string m_cefName;
    cef::Severity m_cefSeverity;
    std::map<std::string, std::string> m_cefExtension;

private:
    bool isComplete() const;
};
