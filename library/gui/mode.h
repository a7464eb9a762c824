#pragma once

#include <QList>
#include <QObject>
#include <QVariant>

#include <map>
#include <optional>
#include <string>
#include <utility>

// The registry of an owner's named states. Each mode carries the property
// values that the owner's actions and widgets take when it is entered (or
// left); switching the mode applies them. Modes form a tree: entering a mode
// first enters its parent, so a child registers only what differs.
//
// Misuse (an unregistered mode, a duplicate registration, a null object) is
// reported as a Qt warning and changes nothing.
class Mode : public QObject
{
    Q_OBJECT

public:
    enum Condition : int
    {
        Entering = 0,
        Leaving = 1
    };

    struct PropertyValue
    {
        QObject* object;  // not owned: the owner's own child widget or action
        std::string property;
        QVariant value;
    };

    explicit Mode(QObject* parent);

    // Take the next automatic id (used up even when the registration is
    // refused) and return it. A parent that is not registered, such as -1,
    // makes a top-level mode; an empty name becomes the id in decimal.
    int registerMode(int parent, const std::string& name);
    void registerMode(int id, const std::string& name, int parent);

    void
    registerProp(int mode, Condition condition, QObject* object, const std::string& property, const QVariant& value);

    // Once a mode is the source of a transition, it can only be left for the
    // targets registered for it; a mode that is no source can be left for any.
    void registerTran(int source, int target);

    int getMode() const { return m_mode; }
    std::string getModeName(int mode) const;
    // The value for the mode, else the nearest ancestor's; invalid when none
    // is registered or the object lacks the property now.
    QVariant getModeProp(int mode, Condition condition, const QObject* object, const std::string& property) const;

    // Applied in list order; a property that the object refuses is skipped.
    void setPropertyValues(const QList<PropertyValue>& values);

    // The two halves of a switch: enter applies the ancestors' values first,
    // leave applies the mode's own values first, then its ancestors'.
    void enter(int mode);
    void leave(int mode);

public slots:
    // Leaves the current mode and its ancestors, then enters the new mode's
    // ancestors and the mode itself; switching to the current mode re-enters it.
    void setMode(int mode);

signals:
    void enterMode(int mode);
    void leaveMode(int mode);

private:
    using ValueKey = std::pair<int, int>;  // mode id, condition

    bool isRegistered(int mode) const { return m_names.count(mode) != 0; }
    const std::string& nameOf(int mode) const;
    // The mode's parent, which is always registered (a parent is kept only
    // when it is, and nothing is ever unregistered); none for a top-level mode.
    std::optional<int> parentOf(int mode) const;
    // Most recently registered first.
    QList<PropertyValue> valuesOf(int mode, Condition condition) const;
    const PropertyValue* findValue(int mode, int condition, const QObject* object, const std::string& property) const;
    bool isTransitionAllowed(int target) const;

    int m_nextId = 0;
    int m_mode = -1;
    std::map<int, std::string> m_names;  // the registered modes
    std::map<int, int> m_parents;
    std::multimap<int, int> m_transitions;
    std::multimap<ValueKey, PropertyValue> m_values;
};
