#include "framework/ClassDescriptor.h"
#include "library/ComRuntime.h"
#include "framework/Control.h"
#include "library/EntryPoints.h"
#include "library/LibraryIdentity.h"
#include "framework/MemoryPropertyBag.h"
#include "testkit/TestHost.h"

#include <QSet>
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

TEST(LibraryIdentity, EveryClassRunsItsLifecycleOnAFreshHostThroughTheFactory)
{
    for (const auto& c : LibraryIdentity::Classes()) {
        SCOPED_TRACE(c.name.toStdString());
        TestHost host;
        auto control = ComRuntime::instance().CreateControl(c.name, host);
        ASSERT_TRUE(control);
        EXPECT_EQ(control->ClassName(), c.name);
        EXPECT_EQ(ComRuntime::instance().CanUnloadNow(), HResult::False); // a control is alive
        // By ProgID and through the class object too.
        TestHost byProgId, byFactory;
        EXPECT_EQ(ComRuntime::instance().CreateControl("ZEVSuiteControls." + c.name, byProgId)->ClassName(), c.name);
        void* factory = nullptr;
        ASSERT_EQ(ComRuntime::instance().GetClassObject(c.clsid, InterfaceId::IClassFactory(), &factory), HResult::Ok);
        EXPECT_EQ(static_cast<ClassFactory*>(factory)->CreateInstance(byFactory)->ClassName(), c.name);
        EXPECT_GT(control->Descriptor().designWidth, 0);
        EXPECT_GT(control->Descriptor().designHeight, 0);
        control->Initialize();
        control->InitProperties(); // sized by its design, as a container places it
        MemoryPropertyBag bag;
        control->WriteProperties(bag);

        TestHost again;
        auto reloaded = ComRuntime::instance().CreateControl(c.clsid.toString(), again);
        reloaded->Initialize();
        reloaded->ReadProperties(bag);
        reloaded->Resize();
        MemoryPropertyBag second;
        reloaded->WriteProperties(second);
        EXPECT_EQ(second.keys(), bag.keys());
        reloaded->Terminate();
        control->Terminate();
    }
}
