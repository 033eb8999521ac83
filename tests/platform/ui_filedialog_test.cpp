// The file dialog: filters, default extension, overwrite prompt, titles, and the dialog driven by input.
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "platform/ui/combobox.h"
#include "platform/ui/filedialog.h"
#include "platform/ui/filedialogresponder.h"
#include "platform/ui/listbox.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/uilanguage.h"
#include "ui_fixture.h"

namespace ui::testing {
namespace {

namespace fs = std::filesystem;

TEST(FileFilterTest, ParsesThePairsOfTheProgramsFilters) {
    using E = FileFilter::Entry;
    struct Case {
        std::string filter;
        std::vector<E> entries;
    };
    for (const Case& c : {
             Case{"Text(*.txt)|*.txt|All(*.*)|*.*||", {E{"Text(*.txt)", "*.txt"}, E{"All(*.*)", "*.*"}}},
             Case{"(*.img)|*.img|(*.*)|*.*||", {E{"(*.img)", "*.img"}, E{"(*.*)", "*.*"}}},
             Case{"文本文件(*.c)|*.c|所有文件(*.*)|*.*||",
                  {E{"文本文件(*.c)", "*.c"}, E{"所有文件(*.*)", "*.*"}}},
             Case{"Scenes|*.txt;*.TXT", {E{"Scenes", "*.txt;*.TXT"}}},
             Case{"", {E{"", "*.*"}}},
             Case{"Lonely|", {E{"", "*.*"}}},
         }) {
        EXPECT_EQ(FileFilter::Parse(c.filter), c.entries) << c.filter;
    }
}

TEST(FileFilterTest, MatchesIgnoringCaseAndStarDotStarMatchesEveryName) {
    struct Case {
        const char* patterns;
        const char* name;
        bool match;
    };
    for (const Case& c :
         {Case{"*.txt", "scene.TXT", true}, Case{"*.*", "README", true},
          Case{"*.img", "system_K412.img.bak", false}, Case{"*.c;*.h", "x.h", true},
          Case{"*.txt", ".hidden.txt", false}, Case{"system_K?12.img", "system_K412.img", true}}) {
        EXPECT_EQ(FileFilter::Matches(c.patterns, c.name), c.match) << c.patterns << " " << c.name;
    }
}

class FileDialogTest : public UiTest {
  protected:
    FileDialogTest() {
        char tmpl[] = "/tmp/filedialog-XXXXXX";
        dir = mkdtemp(tmpl);
        Touch("a.txt");
        Touch("b.c");
        fs::create_directory(dir / "sub");
        Touch("sub/inner.txt");
    }
    ~FileDialogTest() override {
        SetUiLanguage(sys::kLangEnglish);
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    void Touch(const std::string& name) { std::ofstream(dir / name) << "x"; }
    fs::path dir;
};

TEST_F(FileDialogTest, TheDefaultExtensionIsAddedOnlyToANameWithoutOne) {
    struct Case {
        const char* typed;
        const char* path;
    };
    for (const Case& c : {Case{"UserEq", "UserEq.txt"}, Case{"UserEq.c", "UserEq.c"},
                          Case{"sub/new", "sub/new.txt"}, Case{"x.tar.gz", "x.tar.gz"}}) {
        FileDialogRecorder files(app);
        files.QueueAnswer(c.typed);
        FileDialog dlg(false, "txt", "UserEq", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "(*.c)|*.c|(*.*)|*.*||", nullptr, &app);
        dlg.SetInitialFolder(dir.string());
        EXPECT_EQ(dlg.DoModal(), IDOK) << c.typed;
        EXPECT_EQ(dlg.GetPathName(), (dir / c.path).string());
        ASSERT_EQ(files.Dialogs().size(), 1u);
        EXPECT_EQ(files.Dialogs()[0].file_name, "UserEq");
        EXPECT_EQ(files.Dialogs()[0].filter, "(*.c)|*.c|(*.*)|*.*||");
    }
}

TEST_F(FileDialogTest, SavingOverAnExistingFileAsksFirstAndNoKeepsTheDialogOpen) {
    FileDialogRecorder files(app);
    MessageBoxRecorder boxes(app);
    files.QueueAnswer("a");  // a.txt exists
    files.QueueAnswer("a.txt");
    boxes.QueueAnswer(IDNO);
    boxes.QueueAnswer(IDYES);
    FileDialog dlg(false, "txt", "", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "Text(*.txt)|*.txt||", nullptr,
                   &app);
    dlg.SetInitialFolder(dir.string());
    dlg.SetTitle("Save scene");
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), (dir / "a.txt").string());
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, "a.txt already exists.\nDo you want to replace it?");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Save scene");
    EXPECT_EQ(boxes.Boxes()[0].flags & MB_TYPEMASK, unsigned{MB_YESNO});
    ASSERT_EQ(files.Dialogs().size(), 2u);
    EXPECT_EQ(files.Dialogs()[1].attempt, 1);
}

TEST_F(FileDialogTest, NoPromptWithoutTheFlagOrForANewFileAndCancelReturnsNoPath) {
    MessageBoxRecorder boxes(app);
    {
        FileDialogRecorder files(app);
        files.QueueAnswer("a.txt");
        FileDialog dlg(false, "txt", "", 0, "", nullptr, &app);
        dlg.SetInitialFolder(dir.string());
        EXPECT_EQ(dlg.DoModal(), IDOK);
    }
    {
        FileDialogRecorder files(app);
        files.QueueAnswer("fresh");
        FileDialog dlg(false, "txt", "", OFN_OVERWRITEPROMPT, "", nullptr, &app);
        dlg.SetInitialFolder(dir.string());
        EXPECT_EQ(dlg.DoModal(), IDOK);
    }
    {
        FileDialogRecorder files(app);
        FileDialog dlg(true, "img", "", 0, "(*.img)|*.img|(*.*)|*.*||", nullptr, &app);
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(dlg.GetPathName(), "");
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(FileDialogTest, SavingIntoAMissingFolderAndOpeningAMissingFileThatMustExistAreRefused) {
    MessageBoxRecorder boxes(app);
    FileDialogRecorder files(app);
    files.QueueAnswer("nowhere/x.txt");
    FileDialog save(false, "txt", "", OFN_OVERWRITEPROMPT, "", nullptr, &app);
    save.SetInitialFolder(dir.string());
    EXPECT_EQ(save.DoModal(), IDCANCEL);
    files.QueueAnswer("missing.txt");
    FileDialog open(true, "", "", OFN_FILEMUSTEXIST, "", nullptr, &app);
    open.SetInitialFolder(dir.string());
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    EXPECT_EQ(boxes.Boxes().size(), 2u);
}

TEST_F(FileDialogTest, WithoutATitleTheDefaultTitleOfTheModeIsShownInTheUiLanguage) {
    EXPECT_EQ(FileDialog(true, "", "", 0, "", nullptr, &app).ShownTitle(), "Open");
    EXPECT_EQ(FileDialog(false, "", "", 0, "", nullptr, &app).ShownTitle(), "Save As");
    SetUiLanguage(sys::kLangChinese);
    EXPECT_EQ(FileDialog(true, "", "", 0, "", nullptr, &app).ShownTitle(), "打开");
    EXPECT_EQ(FileDialog(false, "", "", 0, "", nullptr, &app).ShownTitle(), "另存为");
    FileDialog titled(false, "", "", 0, "", nullptr, &app);
    titled.SetTitle("导出");
    EXPECT_EQ(titled.ShownTitle(), "导出");
}

std::vector<std::string> Items(const ListBox& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.GetCount(); ++i) out.push_back(list.GetText(i));
    return out;
}

TEST_F(FileDialogTest, TheDrawnDialogListsByFilterOpensFoldersAndTakesATypedName) {
    FileDialog dlg(true, "txt", "", 0, "Text(*.txt)|*.txt|All(*.*)|*.*||", nullptr, &app);
    dlg.SetInitialFolder(dir.string());
    app.SetModalObserver([&](Window& w) {
        if (&w != &dlg) return;
        auto* list = static_cast<ListBox*>(dlg.GetDlgItem(FileDialog::kList));
        auto* type = static_cast<ComboBox*>(dlg.GetDlgItem(FileDialog::kType));
        EXPECT_EQ(dlg.GetWindowText(), "Open");
        EXPECT_EQ(Items(*list), (std::vector<std::string>{"sub/", "a.txt"}));
        EXPECT_EQ(type->GetLBText(0), "Text(*.txt)");
        // The second filter, picked with the keyboard.
        type->SetFocus();
        hl.KeyPress(VK_DOWN);
        hl.RunPending();
        EXPECT_EQ(Items(*list), (std::vector<std::string>{"sub/", "a.txt", "b.c"}));
        // A click on a file names it; a double click on a folder opens it.
        hl.ClickWindow(*list, gfx::Point{20, list->GetItemRect(1).top + 3});
        hl.RunPending();
        EXPECT_EQ(dlg.GetDlgItemText(FileDialog::kName), "a.txt");
        hl.DoubleClick(hl.ScreenPointOf(*list, gfx::Point{20, list->GetItemRect(0).top + 3}));
        hl.RunPending();
        EXPECT_EQ(Items(*list), (std::vector<std::string>{"inner.txt"}));
        // A typed name without extension, then Enter.
        dlg.GetDlgItem(FileDialog::kName)->SetFocus();
        dlg.SetDlgItemText(FileDialog::kName, "");
        hl.Type("inner");
        hl.KeyPress(VK_RETURN);
        hl.RunPending();
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), (dir / "sub" / "inner.txt").string());
    EXPECT_EQ(dlg.GetFileName(), "inner.txt");
    EXPECT_EQ(dlg.GetFileExt(), "txt");
    EXPECT_EQ(dlg.GetFileTitle(), "inner");
}

TEST_F(FileDialogTest, TheDrawnSaveDialogAsksBeforeOverwritingAndStaysOpenOnNo) {
    MessageBoxRecorder boxes(app);
    boxes.QueueAnswer(IDNO);
    boxes.QueueAnswer(IDYES);
    FileDialog dlg(false, "txt", "a", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "Text(*.txt)|*.txt||", nullptr,
                   &app);
    dlg.SetInitialFolder(dir.string());
    app.SetModalObserver([&](Window& w) {
        if (&w != &dlg) return;
        EXPECT_EQ(dlg.GetDlgItemText(FileDialog::kName), "a");
        hl.KeyPress(VK_RETURN);
        hl.RunPending();
        EXPECT_FALSE(dlg.IsEnded());
        EXPECT_EQ(boxes.Boxes().size(), 1u);
        hl.KeyPress(VK_RETURN);
        hl.RunPending();
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), (dir / "a.txt").string());
    EXPECT_EQ(boxes.Boxes().size(), 2u);
}

}  // namespace
}  // namespace ui::testing
