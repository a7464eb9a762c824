#include "library/gui/mode.h"
#include "tests/gui/qtmessagecapture.h"

#include <QDynamicPropertyChangeEvent>
#include <QPoint>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Journal = std::vector<std::string>;

// An object whose dynamic properties write every change into the journal as
// "<object>.<property>=<value>".
class TracedObject : public QObject
{
public:
    TracedObject(std::string name, Journal& journal, std::initializer_list<const char*> properties)
        : m_name(std::move(name))
        , m_journal(journal)
    {
        for (const char* property : properties) {
            setProperty(property, QStringLiteral("initial"));
        }
        m_tracing = true;
    }

protected:
    bool event(QEvent* event) override
    {
        if (m_tracing && event->type() == QEvent::DynamicPropertyChange) {
            const QByteArray name = static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName();
            m_journal.push_back(m_name + "." + name.toStdString() + "="
                                + property(name.constData()).toString().toStdString());
        }
        return QObject::event(event);
    }

private:
    std::string m_name;
    Journal& m_journal;
    bool m_tracing = false;
};

class ModeTest : public ::testing::Test
{
protected:
    ModeTest()
        : mode(new Mode(&owner))
        , button("button", journal, {"enabled", "text"})
    {
        QObject::connect(mode, &Mode::enterMode,
                         [this](int id) { journal.push_back("enter " + mode->getModeName(id)); });
        QObject::connect(mode, &Mode::leaveMode,
                         [this](int id) { journal.push_back("leave " + mode->getModeName(id)); });
    }

    // Forgets what the set-up wrote.
    void clearTraces()
    {
        journal.clear();
        warnings.take();
    }

    QObject owner;
    Mode* mode;  // owned by `owner`
    Journal journal;
    TracedObject button;
    testsupport::QtMessageCapture warnings;
};

using Strings = std::vector<std::string>;

TEST_F(ModeTest, FirstSwitchEntersWithoutLeaving)
{
    const int x = mode->registerMode(-1, "X");
    mode->registerProp(x, Mode::Entering, &button, "enabled", true);
    mode->registerProp(x, Mode::Leaving, &button, "text", "left");
    EXPECT_EQ(mode->getMode(), -1);

    mode->setMode(x);

    EXPECT_EQ(journal, (Strings{"button.enabled=true", "enter X"}));
    EXPECT_EQ(mode->getMode(), x);
    EXPECT_TRUE(warnings.take().empty());
}

TEST_F(ModeTest, AutomaticIdsAndDefaultNames)
{
    EXPECT_EQ(mode->registerMode(-1, ""), 0);
    EXPECT_EQ(mode->registerMode(-1, ""), 1);
    EXPECT_EQ(mode->registerMode(-1, ""), 2);
    mode->registerMode(-2, "", -1);

    EXPECT_EQ(mode->getModeName(0), "0");
    EXPECT_EQ(mode->getModeName(1), "1");
    EXPECT_EQ(mode->getModeName(2), "2");
    EXPECT_EQ(mode->getModeName(-2), "-2");
    EXPECT_TRUE(warnings.take().empty());
}

TEST_F(ModeTest, RefusedRegistrationsUseUpTheirIdAndChangeNothing)
{
    EXPECT_EQ(mode->registerMode(0, "Self"), 0);
    EXPECT_EQ(warnings.take(), Strings{"Mode::registerMode: a mode cannot have itself as a parent!"});
    EXPECT_EQ(mode->registerMode(-1, "Next"), 1);

    mode->registerMode(1, "Again", -1);
    EXPECT_EQ(warnings.take(), Strings{"Mode::registerMode: mode Next is already registered!"});
    EXPECT_EQ(mode->getModeName(1), "Next");

    EXPECT_EQ(mode->getModeName(0), "");
    EXPECT_EQ(warnings.take(), Strings{"Mode::getModeName: unregistered mode 0!"});
}

TEST_F(ModeTest, UnregisteredParentMakesATopLevelMode)
{
    const int orphan = mode->registerMode(-1, "Orphan");
    mode->registerMode(100, "Child", 99);
    mode->registerMode(99, "Late", -1);  // too late to become the parent
    EXPECT_TRUE(warnings.take().empty());

    mode->setMode(orphan);
    mode->setMode(100);

    EXPECT_EQ(journal, (Strings{"enter Orphan", "leave Orphan", "enter Child"}));
}

TEST_F(ModeTest, SwitchLeavesEveryAncestorAndEntersEveryAncestor)
{
    TracedObject label("label", journal, {"visible"});
    const int x = mode->registerMode(-1, "X");
    const int y = mode->registerMode(x, "Y");
    const int z = mode->registerMode(x, "Z");
    mode->registerProp(x, Mode::Entering, &label, "visible", "x-entered");
    mode->registerProp(x, Mode::Leaving, &label, "visible", "x-left");
    mode->registerProp(y, Mode::Leaving, &button, "enabled", "y-left");
    mode->registerProp(z, Mode::Entering, &button, "enabled", "z-entered");
    mode->setMode(y);
    clearTraces();

    QObject::connect(mode, &Mode::leaveMode, [&](int) { EXPECT_EQ(mode->getMode(), y); });
    QObject::connect(mode, &Mode::enterMode, [&](int) { EXPECT_EQ(mode->getMode(), z); });
    mode->setMode(z);

    EXPECT_EQ(journal, (Strings{"button.enabled=y-left", "leave Y", "label.visible=x-left", "leave X",
                                "label.visible=x-entered", "enter X", "button.enabled=z-entered", "enter Z"}));
    EXPECT_TRUE(warnings.take().empty());
}

TEST_F(ModeTest, SwitchToTheCurrentModeLeavesAndReentersIt)
{
    const int x = mode->registerMode(-1, "X");
    mode->registerProp(x, Mode::Entering, &button, "enabled", "on");
    mode->registerProp(x, Mode::Leaving, &button, "enabled", "off");
    mode->setMode(x);
    clearTraces();

    mode->setMode(x);

    EXPECT_EQ(journal, (Strings{"button.enabled=off", "leave X", "button.enabled=on", "enter X"}));
}

TEST_F(ModeTest, LatestRegisteredValueIsAppliedFirst)
{
    const int x = mode->registerMode(-1, "X");
    mode->registerProp(x, Mode::Entering, &button, "enabled", "first");
    mode->registerProp(x, Mode::Entering, &button, "text", "second");

    mode->setMode(x);

    EXPECT_EQ(journal, (Strings{"button.text=second", "button.enabled=first", "enter X"}));
}

TEST_F(ModeTest, ChildValueOverridesParentValue)
{
    const int x = mode->registerMode(-1, "X");
    const int y = mode->registerMode(x, "Y");
    mode->registerProp(x, Mode::Entering, &button, "enabled", false);
    mode->registerProp(x, Mode::Entering, &button, "text", "from parent");
    mode->registerProp(y, Mode::Entering, &button, "enabled", true);

    mode->setMode(y);

    EXPECT_EQ(button.property("enabled"), QVariant(true));
    EXPECT_EQ(button.property("text"), QVariant(QStringLiteral("from parent")));
}

TEST_F(ModeTest, RefusedPropertyIsSkippedSilently)
{
    const int x = mode->registerMode(-1, "X");
    button.setObjectName(QStringLiteral("button"));
    mode->registerProp(x, Mode::Entering, &button, "enabled", "applied");
    mode->registerProp(x, Mode::Entering, &button, "objectName", QPoint(1, 2));  // no conversion to text
    clearTraces();

    mode->setMode(x);

    EXPECT_EQ(button.objectName(), QStringLiteral("button"));
    EXPECT_EQ(journal, (Strings{"button.enabled=applied", "enter X"}));
    EXPECT_TRUE(warnings.take().empty());
}

TEST_F(ModeTest, RegisterPropRefusals)
{
    const int x = mode->registerMode(-1, "X");
    TracedObject plain("plain", journal, {});
    const struct
    {
        int mode;
        QObject* object;
        std::string property;
        QVariant value;
        const char* warning;
    } cases[] = {
        {42, &button, "enabled", true, "Mode::registerProp: unregistered mode 42!"},
        {x, nullptr, "enabled", true, "Mode::registerProp: null object!"},
        {x, &button, "", true, "Mode::registerProp: empty name!"},
        {x, &button, "enabled", QVariant(), "Mode::registerProp: invalid value!"},
        {x, &plain, "enabled", true, "Mode::registerProp: invalid property!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.warning);
        mode->registerProp(c.mode, Mode::Entering, c.object, c.property, c.value);
        EXPECT_EQ(warnings.take(), Strings{c.warning});
    }

    mode->setMode(x);
    EXPECT_EQ(journal, Strings{"enter X"});
}

TEST_F(ModeTest, SecondValueForTheSameKeyIsRefused)
{
    const int x = mode->registerMode(-1, "X");
    const struct
    {
        Mode::Condition condition;
        const char* warning;
    } cases[] = {
        {Mode::Entering, "Property value for entering mode X is already registered!"},
        {Mode::Leaving, "Property value for leaving mode X is already registered!"},
        {static_cast<Mode::Condition>(7), "Property value for mode X is already registered!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.warning);
        mode->registerProp(x, c.condition, &button, "enabled", "first");
        mode->registerProp(x, c.condition, &button, "enabled", "second");
        EXPECT_EQ(warnings.take(), Strings{c.warning});
        EXPECT_EQ(mode->getModeProp(x, c.condition, &button, "enabled"), QVariant("first"));
    }
}

TEST_F(ModeTest, SwitchToAnUnregisteredModeChangesNothing)
{
    const int x = mode->registerMode(-1, "X");
    mode->registerProp(x, Mode::Leaving, &button, "enabled", "left");
    mode->setMode(x);
    clearTraces();

    mode->setMode(42);

    EXPECT_EQ(warnings.take(), Strings{"Mode::setMode: unregistered mode 42!"});
    EXPECT_EQ(mode->getMode(), x);
    EXPECT_TRUE(journal.empty());
}

TEST_F(ModeTest, RegisteredTransitionsRestrictTheirSource)
{
    const int x = mode->registerMode(-1, "X");
    const int y = mode->registerMode(-1, "Y");
    const int z = mode->registerMode(-1, "Z");
    mode->registerTran(x, y);
    mode->setMode(x);
    clearTraces();

    mode->setMode(z);
    EXPECT_EQ(warnings.take(), Strings{"Mode::setMode: invalid transition from mode X to mode Z!"});
    EXPECT_EQ(mode->getMode(), x);
    EXPECT_TRUE(journal.empty());

    mode->setMode(y);
    EXPECT_EQ(mode->getMode(), y);
    // Y is the source of no transition: it may be left for any mode.
    mode->setMode(z);
    mode->setMode(x);
    EXPECT_EQ(mode->getMode(), x);
    EXPECT_TRUE(warnings.take().empty());
}

TEST_F(ModeTest, RegisterTranRefusals)
{
    const int x = mode->registerMode(-1, "X");
    const int y = mode->registerMode(-1, "Y");
    mode->registerTran(x, y);
    const struct
    {
        int source;
        int target;
        const char* warning;
    } cases[] = {
        {42, y, "Mode::registerTran: mode set does not contain source mode!"},
        {x, 42, "Mode::registerTran: mode set does not contain target mode!"},
        {x, y, "Mode::registerTran: transition from mode X to mode Y is already registered!"},
    };
    for (const auto& c : cases) {
        mode->registerTran(c.source, c.target);
        EXPECT_EQ(warnings.take(), Strings{c.warning});
    }
}

TEST_F(ModeTest, EnteringAnUnregisteredModeWarns)
{
    mode->enter(42);
    EXPECT_EQ(warnings.take(), Strings{"Mode::enter: mode set does not contain mode!"});
    mode->leave(42);
    EXPECT_TRUE(warnings.take().empty());
    EXPECT_TRUE(journal.empty());
}

TEST_F(ModeTest, LookupFallsBackToAncestors)
{
    const int x = mode->registerMode(-1, "X");
    const int y = mode->registerMode(x, "Y");
    const int z = mode->registerMode(y, "Z");
    mode->registerProp(x, Mode::Entering, &button, "enabled", "from root");
    mode->registerProp(y, Mode::Entering, &button, "text", "from Y");

    EXPECT_EQ(mode->getModeProp(z, Mode::Entering, &button, "enabled"), QVariant("from root"));
    EXPECT_EQ(mode->getModeProp(z, Mode::Entering, &button, "text"), QVariant("from Y"));
    EXPECT_FALSE(mode->getModeProp(x, Mode::Entering, &button, "text").isValid());
    EXPECT_FALSE(mode->getModeProp(z, Mode::Leaving, &button, "enabled").isValid());
    EXPECT_FALSE(mode->getModeProp(42, Mode::Entering, &button, "enabled").isValid());
    EXPECT_FALSE(mode->getModeProp(z, Mode::Entering, nullptr, "enabled").isValid());
    EXPECT_FALSE(mode->getModeProp(z, Mode::Entering, &button, "").isValid());

    // A value registered for a property that the object no longer has.
    button.setProperty("enabled", QVariant());
    EXPECT_FALSE(mode->getModeProp(z, Mode::Entering, &button, "enabled").isValid());
    EXPECT_TRUE(warnings.take().empty());
}

}  // namespace
