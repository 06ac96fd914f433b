#include <gtest/gtest.h>

#include "core/CoreTexts.h"
#include "core/MessageFormat.h"
#include "editor/EditorTexts.h"
#include "editor/RouteEditor.h"
#include "editor/ValueLists.h"
#include "tests/editor/FakeEditorForm.h"
#include "tests/support/TestSupport.h"

namespace {

using Texts = std::vector<std::string>;

class RouteEditorTest : public ::testing::Test {
protected:
    RouteEditorTest() {
        db.logSink = &log;
        db.outputDir = dir.path();
    }

    void load(const std::vector<Route>& routes) {
        for (const Route& route : routes) {
            db.routes.push_back(std::make_unique<Route>(route));
        }
        editor.refreshRouteList();
        form.selectRoute(0);
        editor.showRoute();
    }

    void loadPQR() {
        load({makeRoute("P", "A-B"), makeRoute("Q", "C-D", "D-C"), makeRoute("R", "E-F")});
    }

    std::string shownName() const { return form.text(FormText::Name); }

    TempDir dir;
    RecordingLog log;
    RouteDatabase db;
    FakeEditorForm form;
    RouteEditor editor{db, form};
};

TEST_F(RouteEditorTest, ShowRouteFillsTheForm) {
    Route route = makeRoute("12", "甲-乙-丙", "丙-乙-甲", "空调");
    route.start = {"", "6:00", "22:00"};
    route.terminal = {"", "6:30", "22:30"};
    load({route});
    EXPECT_EQ(shownName(), "12");
    EXPECT_EQ(form.text(FormText::UpStations), "甲-乙-丙");
    EXPECT_EQ(form.text(FormText::DownStations), "丙-乙-甲");
    EXPECT_EQ(form.text(FormText::StartLabel), "首站[甲]时间:");
    EXPECT_EQ(form.text(FormText::TerminalLabel), "末站[丙]时间:");
    EXPECT_EQ(form.value(FormValue::StartFirstBus), "6:00");
    EXPECT_EQ(form.value(FormValue::StartLastBus), "22:00");
    EXPECT_EQ(form.value(FormValue::TerminalFirstBus), "6:30");
    EXPECT_EQ(form.value(FormValue::TerminalLastBus), "22:30");
    EXPECT_EQ(form.value(FormValue::LineType), "空调");
    EXPECT_FALSE(editor.formDiffersFromRoute());
}

TEST_F(RouteEditorTest, PagingToBothEnds) {
    loadPQR();
    form.selectRoute(1);
    editor.showRoute();
    editor.nextRoute();
    EXPECT_EQ(shownName(), "R");
    editor.nextRoute();
    EXPECT_EQ(form.messages, Texts{"警告: 已经是最后一个"});
    EXPECT_EQ(form.selected, 2);

    editor.previousRoute();
    editor.previousRoute();
    EXPECT_EQ(shownName(), "P");
    editor.previousRoute();
    EXPECT_EQ(form.messages.back(), "警告: 已经是第一个");
    EXPECT_EQ(shownName(), "P");
    EXPECT_TRUE(form.questions.empty());
}

TEST_F(RouteEditorTest, NextWithNothingSelectedShowsTheFirst) {
    loadPQR();
    form.selected = -1;
    editor.nextRoute();
    EXPECT_EQ(form.selected, 0);
    EXPECT_EQ(shownName(), "P");
    form.selected = -1;
    editor.previousRoute();
    EXPECT_EQ(form.messages, Texts{"警告: 已经是第一个"});
}

TEST_F(RouteEditorTest, NewRouteIsAppendedAndShownEmpty) {
    loadPQR();
    editor.newRoute();
    EXPECT_EQ(form.names, (Texts{"P", "Q", "R", "新建路线"}));
    EXPECT_EQ(form.selected, 3);
    ASSERT_EQ(db.routes.size(), 4u);
    EXPECT_EQ(editor.currentRoute(), db.routes[3].get());
    EXPECT_EQ(form.text(FormText::UpStations), "");
    EXPECT_EQ(form.text(FormText::StartLabel), "首站时间:");
    EXPECT_EQ(form.text(FormText::TerminalLabel), "末站时间:");
    EXPECT_EQ(form.value(FormValue::LineType), "");
    EXPECT_TRUE(editor.hasUnsavedChanges());
}

TEST_F(RouteEditorTest, DeleteSelectsTheEntryAfterTheNextOne) {
    loadPQR();
    editor.deleteRoute();  // P, the first
    EXPECT_EQ(form.names, (Texts{"Q", "R"}));
    EXPECT_EQ(shownName(), "R");
    ASSERT_EQ(db.routes.size(), 2u);
    EXPECT_EQ(db.routes[0]->name, "Q");
}

TEST_F(RouteEditorTest, DeleteTheMiddleOneSelectsTheFirst) {
    loadPQR();
    form.selectRoute(1);
    editor.showRoute();
    editor.deleteRoute();
    EXPECT_EQ(form.names, (Texts{"P", "R"}));
    EXPECT_EQ(form.selected, 0);
    EXPECT_EQ(shownName(), "P");
}

TEST_F(RouteEditorTest, DeletingTheOnlyRouteLeavesNoneCurrent) {
    load({makeRoute("only", "A-B")});
    editor.deleteRoute();
    EXPECT_TRUE(form.names.empty());
    EXPECT_EQ(editor.currentRoute(), nullptr);
    EXPECT_EQ(shownName(), "only");  // the form keeps the deleted line's texts
    editor.deleteRoute();            // nothing current: nothing happens
    editor.storeRoute();
    EXPECT_TRUE(db.routes.empty());
}

TEST_F(RouteEditorTest, StoreCopiesTheFormIntoTheRoute) {
    loadPQR();
    form.setText(FormText::Name, "P2");
    form.setText(FormText::UpStations, "P-Q--R-");
    form.setText(FormText::DownStations, " R - Q ");
    form.showValue(FormValue::StartFirstBus, "5:55");
    form.showValue(FormValue::LineType, "夜班");
    editor.storeRoute();
    const Route& route = *db.routes[0];
    EXPECT_EQ(route.name, "P2");
    EXPECT_EQ(route.upStations, (Texts{"P", "Q", "R"}));
    EXPECT_EQ(route.downStations, (Texts{" R ", " Q "}));
    EXPECT_EQ(route.start.firstBus, "5:55");
    EXPECT_EQ(route.lineType, "夜班");
    EXPECT_EQ(form.names, (Texts{"P2", "Q", "R"}));
    EXPECT_EQ(form.selected, 0);
    EXPECT_TRUE(editor.hasUnsavedChanges());
}

TEST_F(RouteEditorTest, StoredValueIsShownExactlyAgain) {
    loadPQR();
    form.showValue(FormValue::StartFirstBus, "6:05");
    editor.storeRoute();
    editor.nextRoute();
    editor.previousRoute();
    EXPECT_EQ(form.value(FormValue::StartFirstBus), "6:05");
    EXPECT_TRUE(form.questions.empty());
}

TEST_F(RouteEditorTest, ImportDownStationsChangesOnlyTheForm) {
    loadPQR();
    form.setText(FormText::UpStations, "P-Q-R");
    editor.importDownStations();
    EXPECT_EQ(form.text(FormText::DownStations), "R-Q-P");
    EXPECT_EQ(db.routes[0]->downStations, Texts{});
}

TEST_F(RouteEditorTest, TypedChangesAskBeforePaging) {
    loadPQR();
    form.setText(FormText::Name, "typed");

    form.answers = {Answer::Cancel};
    editor.nextRoute();
    EXPECT_EQ(form.questions, Texts{editorTexts::kStoreChangedRoute});
    EXPECT_EQ(form.selected, 0);
    EXPECT_EQ(shownName(), "typed");

    form.answers = {Answer::No};
    editor.nextRoute();
    EXPECT_EQ(shownName(), "Q");
    EXPECT_EQ(db.routes[0]->name, "P");

    form.setText(FormText::UpStations, "X-Y");
    form.answers = {Answer::Yes};
    editor.previousRoute();
    EXPECT_EQ(shownName(), "P");
    EXPECT_EQ(db.routes[1]->upStations, (Texts{"X", "Y"}));
    EXPECT_EQ(form.questions.size(), 3u);
}

TEST_F(RouteEditorTest, SameStationsWrittenDifferentlyAreNoChange) {
    loadPQR();
    form.setText(FormText::UpStations, "-A--B-");
    editor.nextRoute();
    EXPECT_TRUE(form.questions.empty());
}

TEST_F(RouteEditorTest, TypedChangesAskBeforeSelectingNewOrDeleting) {
    loadPQR();
    form.setText(FormText::Name, "typed");
    form.selectRoute(2);  // the user clicks R
    form.answers = {Answer::Cancel};
    editor.routeSelectionChanged();
    EXPECT_EQ(form.selected, 0);
    EXPECT_EQ(shownName(), "typed");

    form.answers = {Answer::Cancel};
    editor.newRoute();
    EXPECT_EQ(db.routes.size(), 3u);
    form.answers = {Answer::Cancel};
    editor.deleteRoute();
    EXPECT_EQ(db.routes.size(), 3u);

    form.selectRoute(2);
    form.answers = {Answer::Yes};
    editor.routeSelectionChanged();
    EXPECT_EQ(shownName(), "R");
    EXPECT_EQ(db.routes[0]->name, "typed");
    EXPECT_EQ(form.names[0], "typed");
}

TEST_F(RouteEditorTest, SaveToFileWritesTheFormAndTheDatabase) {
    loadPQR();
    form.setText(FormText::Name, "P-new");
    EXPECT_TRUE(editor.saveToFile());
    EXPECT_EQ(form.enabling, (std::vector<bool>{false, true}));
    EXPECT_EQ(db.routes[0]->name, "P-new");
    EXPECT_FALSE(editor.hasUnsavedChanges());
    EXPECT_EQ(log.messages().back(), coreTexts::kAllDone);
    EXPECT_EQ(db.logSink, &log);

    RouteDatabase expected;
    expected.routes.push_back(std::make_unique<Route>(*db.routes[0]));
    expected.routes.push_back(std::make_unique<Route>(*db.routes[1]));
    expected.routes.push_back(std::make_unique<Route>(*db.routes[2]));
    TempDir other;
    expected.generate(other.path());
    EXPECT_EQ(DataFileSet::readFrom(dir.path()), DataFileSet::readFrom(other.path()));
}

TEST_F(RouteEditorTest, FailedSaveReportsFalseAndKeepsTheChangesUnsaved) {
    loadPQR();
    editor.newRoute();
    db.outputDir = dir.file("missing/deeper");
    EXPECT_FALSE(editor.saveToFile());
    EXPECT_TRUE(editor.hasUnsavedChanges());
    EXPECT_EQ(form.enabling, (std::vector<bool>{false, true}));
}

TEST_F(RouteEditorTest, FailedSaveOfTypedTextStillCountsAsUnsaved) {
    loadPQR();
    form.setText(FormText::Name, "typed");
    db.outputDir = dir.file("missing/deeper");
    EXPECT_FALSE(editor.saveToFile());
    EXPECT_EQ(db.routes[0]->name, "typed");
    EXPECT_TRUE(editor.hasUnsavedChanges());
}

TEST_F(RouteEditorTest, ClosingWithoutChangesAsksNothing) {
    loadPQR();
    editor.nextRoute();
    EXPECT_TRUE(editor.mayClose());
    EXPECT_TRUE(form.questions.empty());
}

TEST_F(RouteEditorTest, ClosingWithChangesOnlyInMemory) {
    loadPQR();
    editor.newRoute();

    form.answers = {Answer::Cancel};
    EXPECT_FALSE(editor.mayClose());
    EXPECT_EQ(form.questions, Texts{editorTexts::kSaveBeforeClosing});
    EXPECT_FALSE(fileExists(dir.file("t.i")));

    form.answers = {Answer::No};
    EXPECT_TRUE(editor.mayClose());
    EXPECT_FALSE(fileExists(dir.file("t.i")));

    // The new route has no up station yet: the save is refused and the window stays open.
    form.answers = {Answer::Yes};
    EXPECT_FALSE(editor.mayClose());
    EXPECT_FALSE(fileExists(dir.file("t.i")));
    EXPECT_EQ(log.entries.back().message,
              formatMessage(coreTexts::kRouteWithoutUpStations, {"4", editorTexts::kNewRouteName}));

    form.setText(FormText::UpStations, "X-Y");
    form.answers = {Answer::Yes, Answer::Yes};
    EXPECT_TRUE(editor.mayClose());
    EXPECT_EQ(readFile(dir.file("t.i")).substr(0, 2), hexBytes("00 05"));
}

TEST_F(RouteEditorTest, ClosingWithTypedChangesAsksAboutThemFirst) {
    loadPQR();
    form.setText(FormText::Name, "typed");
    form.answers = {Answer::No, Answer::Yes};
    EXPECT_TRUE(editor.mayClose());
    EXPECT_EQ(form.questions, Texts{editorTexts::kStoreChangedRoute});
    EXPECT_EQ(db.routes[0]->name, "P");

    form.questions.clear();
    form.setText(FormText::Name, "typed");
    form.answers = {Answer::Yes, Answer::Yes};
    EXPECT_TRUE(editor.mayClose());
    EXPECT_EQ(form.questions,
              (Texts{editorTexts::kStoreChangedRoute, editorTexts::kSaveBeforeClosing}));
    EXPECT_EQ(db.routes[0]->name, "typed");
    EXPECT_TRUE(fileExists(dir.file("t.i")));
}

TEST_F(RouteEditorTest, DataInformationNote) {
    editor.showDataInfo();
    EXPECT_EQ(form.messages,
              Texts{"信息: 请注意目录下readme.txt信息已经填写，可以用记事本打开编辑"});
}

TEST(ValueLists, DistinctNonEmptyValuesOfBothEnds) {
    RouteDatabase db;
    Route a = makeRoute("a", "A", "", "空调");
    a.start = {"", "6:00", "22:00"};
    a.terminal = {"", "6:30", ""};
    Route b = makeRoute("b", "B", "", "");
    b.start = {"", "6:30", "22:00"};
    b.terminal = {"", "5:00", "23:00"};
    db.routes.push_back(std::make_unique<Route>(a));
    db.routes.push_back(nullptr);
    db.routes.push_back(std::make_unique<Route>(b));
    const ValueLists lists = collectValueLists(db);
    EXPECT_EQ(lists.firstBus, (Texts{"6:00", "6:30", "5:00"}));
    EXPECT_EQ(lists.lastBus, (Texts{"22:00", "23:00"}));
    EXPECT_EQ(lists.lineTypes, Texts{"空调"});
}

}  // namespace
