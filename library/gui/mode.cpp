#include "library/gui/mode.h"

#include <QtGlobal>

namespace {

bool HasProperty(const QObject* object, const std::string& property)
{
    return object->property(property.c_str()).isValid();
}

}  // namespace

Mode::Mode(QObject* parent)
    : QObject(parent)
{}

int Mode::registerMode(int parent, const std::string& name)
{
    const int id = m_nextId++;
    registerMode(id, name, parent);
    return id;
}

void Mode::registerMode(int id, const std::string& name, int parent)
{
    if (id == parent) {
        qWarning("Mode::registerMode: a mode cannot have itself as a parent!");
        return;
    }
    if (isRegistered(id)) {
        qWarning("Mode::registerMode: mode %s is already registered!", nameOf(id).c_str());
        return;
    }
    m_names[id] = name.empty() ? std::to_string(id) : name;
    if (isRegistered(parent)) {
        m_parents[id] = parent;
    }
}

void Mode::registerProp(int mode,
                        Condition condition,
                        QObject* object,
                        const std::string& property,
                        const QVariant& value)
{
    if (!isRegistered(mode)) {
        qWarning("Mode::registerProp: unregistered mode %d!", mode);
        return;
    }
    if (object == nullptr) {
        qWarning("Mode::registerProp: null object!");
        return;
    }
    if (property.empty()) {
        qWarning("Mode::registerProp: empty name!");
        return;
    }
    if (!value.metaType().isValid()) {
        qWarning("Mode::registerProp: invalid value!");
        return;
    }
    if (!HasProperty(object, property)) {
        qWarning("Mode::registerProp: invalid property!");
        return;
    }
    if (findValue(mode, condition, object, property) != nullptr) {
        switch (condition) {
        case Entering:
            qWarning("Property value for entering mode %s is already registered!", nameOf(mode).c_str());
            break;
        case Leaving:
            qWarning("Property value for leaving mode %s is already registered!", nameOf(mode).c_str());
            break;
        default:
            qWarning("Property value for mode %s is already registered!", nameOf(mode).c_str());
            break;
        }
        return;
    }
    // The hint places the new value in front of the others under the same key.
    const ValueKey key(mode, condition);
    m_values.emplace_hint(m_values.lower_bound(key), key, PropertyValue{object, property, value});
}

void Mode::registerTran(int source, int target)
{
    if (!isRegistered(source)) {
        qWarning("Mode::registerTran: mode set does not contain source mode!");
        return;
    }
    if (!isRegistered(target)) {
        qWarning("Mode::registerTran: mode set does not contain target mode!");
        return;
    }
    const auto range = m_transitions.equal_range(source);
    for (auto it = range.first; it != range.second; ++it) {
        if (it->second == target) {
            qWarning("Mode::registerTran: transition from mode %s to mode %s is already registered!",
                     nameOf(source).c_str(), nameOf(target).c_str());
            return;
        }
    }
    m_transitions.emplace(source, target);
}

void Mode::setMode(int mode)
{
    if (!isRegistered(mode)) {
        qWarning("Mode::setMode: unregistered mode %d!", mode);
        return;
    }
    if (!isTransitionAllowed(mode)) {
        qWarning("Mode::setMode: invalid transition from mode %s to mode %s!", nameOf(m_mode).c_str(),
                 nameOf(mode).c_str());
        return;
    }
    leave(m_mode);
    m_mode = mode;
    enter(mode);
}

std::string Mode::getModeName(int mode) const
{
    if (!isRegistered(mode)) {
        qWarning("Mode::getModeName: unregistered mode %d!", mode);
        return std::string();
    }
    return nameOf(mode);
}

QVariant Mode::getModeProp(int mode, Condition condition, const QObject* object, const std::string& property) const
{
    if (!isRegistered(mode) || object == nullptr || property.empty() || !HasProperty(object, property)) {
        return QVariant();
    }
    for (std::optional<int> current = mode; current; current = parentOf(*current)) {
        if (const PropertyValue* found = findValue(*current, condition, object, property)) {
            return found->value;
        }
    }
    return QVariant();
}

void Mode::setPropertyValues(const QList<PropertyValue>& values)
{
    for (const PropertyValue& value : values) {
        value.object->setProperty(value.property.c_str(), value.value);
    }
}

void Mode::enter(int mode)
{
    if (!isRegistered(mode)) {
        qWarning("Mode::enter: mode set does not contain mode!");
        return;
    }
    if (const auto parent = parentOf(mode)) {
        enter(*parent);
    }
    setPropertyValues(valuesOf(mode, Entering));
    emit enterMode(mode);
}

void Mode::leave(int mode)
{
    if (!isRegistered(mode)) {
        return;
    }
    setPropertyValues(valuesOf(mode, Leaving));
    emit leaveMode(mode);
    if (const auto parent = parentOf(mode)) {
        leave(*parent);
    }
}

std::optional<int> Mode::parentOf(int mode) const
{
    const auto parent = m_parents.find(mode);
    if (parent == m_parents.end()) {
        return std::nullopt;
    }
    return parent->second;
}

const std::string& Mode::nameOf(int mode) const
{
    return m_names.at(mode);
}

QList<Mode::PropertyValue> Mode::valuesOf(int mode, Condition condition) const
{
    QList<PropertyValue> values;
    const auto range = m_values.equal_range(ValueKey(mode, condition));
    for (auto it = range.first; it != range.second; ++it) {
        values.append(it->second);
    }
    return values;
}

const Mode::PropertyValue*
Mode::findValue(int mode, int condition, const QObject* object, const std::string& property) const
{
    const auto range = m_values.equal_range(ValueKey(mode, condition));
    for (auto it = range.first; it != range.second; ++it) {
        if (it->second.object == object && it->second.property == property) {
            return &it->second;
        }
    }
    return nullptr;
}

bool Mode::isTransitionAllowed(int target) const
{
    const auto range = m_transitions.equal_range(m_mode);
    if (range.first == range.second) {
        return true;
    }
    for (auto it = range.first; it != range.second; ++it) {
        if (it->second == target) {
            return true;
        }
    }
    return false;
}
