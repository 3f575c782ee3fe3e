#include "host/HostDecisions.h"

#include <gtest/gtest.h>

namespace vxw {
namespace {

TEST(HostDecisions, WhatTheHostDoesWithEachNotification) {
    using K = HostActionKind;
    struct Case {
        const char* aname;
        const char* command;
        bool viewerRunning;
        HostAction action;
    };
    const QString viewer = QStringLiteral("VXLSPCVR");
    const Case cases[] = {
        {"VXLSPCVR", "SHELL,0,/job/UNTITLED.LIST", false, {K::StartViewer, viewer, "/job/UNTITLED.LIST"}},
        {" vxlspcvr ", "SHELL,0,/a b,c.LIST", false, {K::StartViewer, viewer, "/a b,c.LIST"}},
        {"VXLSPCVR", "SHELL,0,/x.LIST", true, {K::OpenInViewer, viewer, "/x.LIST"}},
        {"VXLSPCVR", "SHELL,0,", false, {K::Ignore, viewer, {}}},
        {"VXLSPCVR", "SHELL,0", false, {K::Ignore, viewer, {}}},
        {"VXLSPCVR", "VXLSPCVR,NF,/y.LIST", true, {K::OpenInViewer, viewer, "/y.LIST"}},
        {"VXLSPCVR", "VXLSPCVR,NF,/y.LIST", false, {K::StartViewer, viewer, "/y.LIST"}},
        {"VXLSPCVR", "VXLSPCVR,NF,\"q\",z", true, {K::OpenInViewer, viewer, "\"q\",z"}},
        {"VXLSPCVR", "VXLSPCVR,XX,/y.LIST", true, {K::Ignore, viewer, {}}},
        {"VXLSPCVR", "VXLSPCVR,nf,/y.LIST", true, {K::Ignore, viewer, {}}},
        {"VXLSPCVR", "", true, {K::Ignore, viewer, {}}},
        {"VXLLSTGN", "SHUTDOWN", false, {K::Quit, "VXLLSTGN", {}}},
        {"VXLLSTGN", "shutdown", false, {K::Ignore, "VXLLSTGN", {}}},
        {"VXLLSTGN", "UP", false, {K::Ignore, "VXLLSTGN", {}}},
        {"VXLCALC", "SHELL,0,/x", false, {K::UnknownApplication, "VXLCALC", {}}},
        {"VXLCALC", "VXLCALC,NF,/x", false, {K::UnknownApplication, "VXLCALC", {}}},
        {"", "SHUTDOWN", false, {K::UnknownApplication, "", {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.aname << " | " << c.command << (c.viewerRunning ? " (running)" : ""));
        const HostAction action =
            DecideHostAction(QString::fromUtf8(c.aname), QString::fromUtf8(c.command), c.viewerRunning);
        EXPECT_EQ(static_cast<int>(action.kind), static_cast<int>(c.action.kind));
        EXPECT_EQ(action.application, c.action.application);
        EXPECT_EQ(action.path, c.action.path);
    }
}

TEST(HostDecisions, TypedCommandsAreAddressedToTheComponent) {
    const std::pair<const char*, const char*> cases[] = {
        {"MN", "VXLLSTGN,MN"}, {"  EX ", "VXLLSTGN,EX"}, {"All,DF", "All,DF"},     {"VXLLSTGN", "VXLLSTGN"},
        {"All", "All"},        {"all", "VXLLSTGN,all"},  {"Other,MN", "Other,MN"}, {"", ""},
        {"   ", ""},
    };
    for (const auto& [typed, sent] : cases) {
        EXPECT_EQ(ComponentCommandText(QString::fromLatin1(typed)), QString::fromLatin1(sent)) << typed;
    }
}

} // namespace
} // namespace vxw
