#include "framework/ClassDescriptor.h"
#include "library/ComRuntime.h"
#include "framework/Control.h"
#include "library/EntryPoints.h"
#include "library/LibraryIdentity.h"
#include "codedescription/ZEVCodeDescription.h"
#include "daterange/ZEVDateRange.h"
#include "descriptiononly/ZEVDescriptionOnly.h"
#include "numeric/ZEVNumeric.h"
#include "persistcombo/ZEVPersistCombo.h"
#include "testkit/TestHost.h"

#include <QSet>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

using namespace zev;

namespace {
ZevGuid toGuid(const QUuid& u)
{
    ZevGuid g{u.data1, u.data2, u.data3, {}};
    for (int i = 0; i < 8; ++i)
        g.Data4[i] = u.data4[i];
    return g;
}
} // namespace

TEST(LibraryIdentity, ClassTableAndIdentifiersAreFixedAndDistinct)
{
    const auto& classes = LibraryIdentity::Classes();
    ASSERT_EQ(classes.size(), 5u);
    const QStringList names{"ZEVNumeric", "ZEVCodeDescription", "ZEVDescriptionOnly", "ZEVPersistCombo", "ZEVDateRange"};
    const int images[] = {30004, 30003, 30002, 30001, 30000};
    QSet<QUuid> ids{LibraryIdentity::LibraryId()};
    for (size_t i = 0; i < classes.size(); ++i) {
        const auto& c = classes[i];
        EXPECT_EQ(c.name, names[int(i)]);
        EXPECT_EQ(c.defaultInterface, "_" + c.name);
        EXPECT_EQ(c.eventInterface, "__" + c.name);
        EXPECT_EQ(c.toolboxImage, images[i]);
        EXPECT_EQ(c.statusFlags, 0x20191u);
        ids << c.clsid << c.defaultInterfaceId << c.eventInterfaceId;
    }
    for (const auto& e : LibraryIdentity::Enumerations())
        ids << e.id;
    EXPECT_EQ(ids.size(), 1 + 15 + 3);
    EXPECT_FALSE(ids.contains(QUuid()));
    // The identifiers are constants: a release must never change them.
    EXPECT_EQ(LibraryIdentity::LibraryId(), QUuid::fromString(QLatin1String("{e4feb128-c68b-4196-899f-d5d82c74ae69}")));
    EXPECT_EQ(LibraryIdentity::FindClass(QStringLiteral("ZEVNumeric"))->clsid,
              QUuid::fromString(QLatin1String("{966533d5-8cd5-4d45-a0ed-4f8a91e8418d}")));
    EXPECT_EQ(LibraryIdentity::FileVersion(), "1.00.0021");
    EXPECT_EQ(LibraryIdentity::LocaleId, 0x409u);
}

TEST(LibraryIdentity, MemberIdentifiersFollowTheRuleWithFixedExceptions)
{
    const std::vector<MemberDecl> decls = {
        {"ControlText", MemberKind::WidgetAccessor}, {"Appearance", MemberKind::Property},
        {"Font", MemberKind::Property},              {"Text", MemberKind::Property},
        {"Clear", MemberKind::Method},               {"AboutBox", MemberKind::Method},
        {"Go", MemberKind::Method},
    };
    const auto table = buildMemberTable(decls, {{"AboutBox", DispId::AboutBox}}, {"Font"});
    ASSERT_EQ(table.size(), decls.size());
    EXPECT_EQ(quint32(table[0].dispId), 0x40030000u);
    EXPECT_EQ(quint32(table[1].dispId), 0x68030002u); // counted from the last property
    EXPECT_EQ(quint32(table[2].dispId), 0x68030001u);
    EXPECT_EQ(quint32(table[3].dispId), 0x68030000u);
    EXPECT_EQ(quint32(table[4].dispId), 0x60030002u);
    EXPECT_EQ(quint32(table[5].dispId), 0xFFFFFDD8u);
    EXPECT_EQ(quint32(table[6].dispId), 0x60030000u);
    EXPECT_TRUE(table[2].hidden);
    EXPECT_FALSE(table[1].hidden);

    const auto events = buildEventTable({{"CodeChange", {}}, {"Search", {"PrimaryKey", "Success", "Source"}}});
    EXPECT_EQ(events[0].id, 1);
    EXPECT_EQ(events[1].id, 2);
}

TEST(LibraryIdentity, RegistrationAndClassObjects)
{
    ASSERT_EQ(DllMain(nullptr, ZEV_PROCESS_ATTACH, nullptr), 1);
    auto& runtime = ComRuntime::instance();
    EXPECT_EQ(DllUnregisterServer(), HResult::Ok); // nothing registered yet: still fine
    EXPECT_EQ(DllRegisterServer(), HResult::Ok);
    EXPECT_EQ(DllRegisterServer(), HResult::Ok);
    EXPECT_EQ(runtime.registrations().size(), 5);
    EXPECT_TRUE(runtime.typeLibraryRegistered());
    EXPECT_EQ(runtime.registrations().value(LibraryIdentity::FindClass(QStringLiteral("ZEVDateRange"))->clsid).progId,
              "ZEVSuiteControls.ZEVDateRange");

    void* object = reinterpret_cast<void*>(1);
    const ZevGuid unknownClass = toGuid(QUuid::fromString(QLatin1String("{01234567-89ab-cdef-0123-456789abcdef}")));
    const ZevGuid factoryIid = toGuid(InterfaceId::IClassFactory());
    EXPECT_EQ(quint32(DllGetClassObject(&unknownClass, &factoryIid, &object)), 0x80040111u);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(quint32(DllGetClassObject(&unknownClass, &factoryIid, nullptr)), 0x80004003u);
    EXPECT_EQ(DllCanUnloadNow(), HResult::Ok);

    EXPECT_EQ(DllUnregisterServer(), HResult::Ok);
    EXPECT_TRUE(runtime.registrations().isEmpty());
    EXPECT_EQ(runtime.factory(QStringLiteral("NoSuchControl")), nullptr);
    EXPECT_EQ(runtime.factory(QStringLiteral("ZEVSuiteControls.ZEVNumeric")),
              runtime.factory(LibraryIdentity::FindClass(QStringLiteral("ZEVNumeric"))->clsid));
    EXPECT_EQ(DllMain(nullptr, ZEV_PROCESS_DETACH, nullptr), 1);
}

namespace {
// A control's widget accessor, and its About, for any control.
template <typename C, typename W>
std::function<Widget*(Control&)> accessor(W* (C::*get)() const)
{
    return [get](Control& c) -> Widget* { return (dynamic_cast<C&>(c).*get)(); };
}
template <typename C>
void about(Control& c) { dynamic_cast<C&>(c).About(); }
} // namespace

// Each class made by name, ProgID, CLSID and class object; its widget
// accessors hand out the host's widgets from Initialize to Terminate only; a
// lookup's About names its class on the shared form.
TEST(LibraryIdentity, EveryClassIsMadeEveryWayAndHandsOutItsWidgetsWhileInitialized)
{
    const struct {
        const char* name;
        std::vector<std::pair<const char*, std::function<Widget*(Control&)>>> widgets;
        void (*about)(Control&);
    } rows[] = {
        {"ZEVNumeric", {{"txtValue", accessor(&ZEVNumeric::ControlText)}}, nullptr},
        {"ZEVCodeDescription", {{"txtCode", accessor(&ZEVCodeDescription::ControlCode)},
          {"panDescription", accessor(&ZEVCodeDescription::ControlDescription)},
          {"cmdSearch", accessor(&ZEVCodeDescription::ControlSearch)}}, about<ZEVCodeDescription>},
        {"ZEVDescriptionOnly", {{"txtDescription", accessor(&ZEVDescriptionOnly::ControlDescription)},
          {"cmdSearch", accessor(&ZEVDescriptionOnly::ControlSearch)}}, about<ZEVDescriptionOnly>},
        {"ZEVPersistCombo", {{"txtCode", accessor(&ZEVPersistCombo::ControlCode)},
          {"txtDescription", accessor(&ZEVPersistCombo::ControlDescription)},
          {"cmdSearch", accessor(&ZEVPersistCombo::ControlSearch)}, {"cboListing", accessor(&ZEVPersistCombo::ControlListing)},
          {"cmdRemoveItem", accessor(&ZEVPersistCombo::ControlRemoveItem)}}, about<ZEVPersistCombo>},
        {"ZEVDateRange", {{"dtpInicio", accessor(&ZEVDateRange::Control_dtpInicio)},
          {"dtpFim", accessor(&ZEVDateRange::Control_dtpFim)}, {"cboFiltro", accessor(&ZEVDateRange::Control_dtpCombo)},
          {"lblLabel", accessor(&ZEVDateRange::Control_lblLabel)}}, nullptr},
    };
    auto& runtime = ComRuntime::instance();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ClassIdentity* identity = LibraryIdentity::FindClass(QString::fromLatin1(row.name));
        ASSERT_NE(identity, nullptr);
        TestHost byProgId, byClassObject, host;
        EXPECT_EQ(runtime.CreateControl(QStringLiteral("ZEVSuiteControls.") + row.name, byProgId)->ClassName(), row.name);
        void* factory = nullptr;
        ASSERT_EQ(runtime.GetClassObject(identity->clsid, InterfaceId::IClassFactory(), &factory), HResult::Ok);
        EXPECT_EQ(static_cast<ClassFactory*>(factory)->CreateInstance(byClassObject)->ClassName(), row.name);
        auto control = runtime.CreateControl(identity->clsid.toString(), host);
        const auto& members = control->Descriptor().members;
        EXPECT_EQ(size_t(std::count_if(members.begin(), members.end(),
                                       [](const MemberInfo& m) { return m.kind == MemberKind::WidgetAccessor; })),
                  row.widgets.size()); // every accessor is in the table
        for (int stage = 0; stage < 3; ++stage) { // before Initialize, after it, after Terminate
            for (const auto& [widget, get] : row.widgets)
                EXPECT_EQ(get(*control), stage == 1 ? host.widget(QString::fromLatin1(widget)) : nullptr) << widget;
            if (stage == 0)
                control->Initialize();
            if (stage == 1 && row.about) {
                row.about(*control);
                EXPECT_EQ(host.shownForms.at(0).captions.value("lblDescription"), row.name);
            }
            if (stage == 1)
                control->Terminate();
        }
        EXPECT_EQ(runtime.CanUnloadNow(), HResult::False); // a control is alive
        control.reset();
        EXPECT_EQ(runtime.CanUnloadNow(), HResult::Ok);
        host.clearLog();
        // The widgets outlive the control: what the user does to them reaches nothing of it.
        for (const auto& w : host.widgets()) {
            if (auto* list = dynamic_cast<TestComboBox*>(w.get()); list && list->ListCount() > 0)
                host.select(*list, 0);
            if (auto* edit = dynamic_cast<TestFlatEdit*>(w.get()))
                host.type(*edit, QStringLiteral("1"));
        }
        EXPECT_TRUE(host.events.empty());
    }
}
