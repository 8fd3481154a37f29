#include "editor/application.h"

#include "editor/command_text.h"
#include "editor/forms/options_window.h"
#include "editor/forms/section_forms.h"

#include <commctrl.h>
#include <ole2.h>
#include <exception>
#include "editor/section_menus_window.h"
#include "editor/services/services_window.h"
#include "resources/editor/resource_ids.h"
#include "settings/ini_file.h"
#include "settings/keys.h"
#include "settings/paths.h"
#include "shellfiles/file_path.h"
#include "shellfiles/messages.h"
#include "win32/module_path.h"

namespace editor {

namespace {

Application* running = nullptr;

// A crash after the resident was closed must not leave the user without it.
LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS*)
{
    if (running)
        running->resident().RestartIfClosed();
    return EXCEPTION_EXECUTE_HANDLER;
}

void OnTerminate()
{
    if (running)
        running->resident().RestartIfClosed();
    ExitProcess(3);
}

// OLE for the life of the run, undone only if it succeeded.
class OleScope {
public:
    OleScope() noexcept : result_(OleInitialize(nullptr)) {}
    ~OleScope() { if (SUCCEEDED(result_)) OleUninitialize(); }
    OleScope(const OleScope&) = delete;
    OleScope& operator=(const OleScope&) = delete;
    bool ok() const noexcept { return SUCCEEDED(result_); }

private:
    HRESULT result_;
};

}  // namespace

Application* RunningApplication() { return running; }

Application::Application(HINSTANCE instance)
    : instance_(instance), paths_(PathsForProgram(win32::ThisProgramPath())), resident_(instance, paths_)
{
}

Application::~Application()
{
    if (running == this)
        running = nullptr;
}

std::string Application::PrepareFolder(const char* key, const std::string& defaultPath)
{
    settings::IniFile file(paths_.settingsPath);
    std::string path = file.ReadText(settings::kMainSection, key);
    if (path.empty()) {
        path = defaultPath;
        file.WriteText(settings::kMainSection, key, path);
    }
    shellfiles::FilePath folder(path);
    if (!folder.IsFolder(false) && !folder.CreateFolder(true))
        ExitAbnormally();
    return folder.str();
}

const win32::SystemImageLists& Application::imageLists()
{
    if (!imageListsAttached_) {
        imageLists_ = win32::AttachSystemImageLists();
        imageListsAttached_ = true;
    }
    return imageLists_;
}

void Application::ExitAbnormally()
{
    resident_.RestartIfClosed();
    shellfiles::ExitAbnormally();
}

void Application::OnSessionEnd()
{
    sessionEnded_ = true;
    resident_.RestartIfClosed();
}

bool Application::LoadSettings()
{
    settings_ = std::make_unique<EditorSettings>(instance_, paths_.settingsPath, poolPath_,
                                                 [this] { return frame_->handle(); });
    if (!settings_->Load())
        return false;
    frame_->SetSaving(settings_.get());
    treeBar_ = std::make_unique<ManageTreeBar>(
        instance_, *settings_, frame_->windows(),
        [this] {
            frame_->windows().OpenOrActivate(WindowKind::Options, nullptr, LoadText(instance_, IDS_OPTIONS_TITLE), [this] {
                return std::make_unique<OptionsWindow>(instance_, settings_->model(), settings_->history());
            });
        },
        [this](Section& section) {
            FormSettings forms{instance_, settings_->model(), settings_->historyOf(section.id()),
                               settings_->history(), FormPaths{paths_.settingsPath, servePath_, win32::ThisProgramPath()}};
            return std::make_unique<SectionMenusWindow>(
                instance_, settings_->model(), settings_->historyOf(section.id()), section,
                [forms](const Section& shown, TreeUpdates& tree) {
                    return std::make_unique<SectionForms>(forms, shown, tree);
                });
        });
    if (!treeBar_->CreateTree(frame_->treeBar()))
        return false;
    frame_->SetTreeBarTarget(treeBar_.get());
    frame_->SetTemplatesFactory([this] { return std::make_unique<ServicesWindow>(ServicesContext()); });
    return true;
}

ServicesContext Application::ServicesContext()
{
    win32::StatusBar& status = frame_->statusBar();
    std::string text = LoadText(instance_, IDS_PREPARING_ICONS);
    auto progress = [&status, text](int percent) {
        if (percent < 100)
            status.ShowProgress(text, percent);
        else
            status.EndProgress();
    };
    return {instance_, poolPath_, imageLists(), progress};
}

int Application::Run(int showCommand)
{
    OleScope ole;
    if (!ole.ok())
        return 0;
    running = this;
    SetUnhandledExceptionFilter(OnUnhandledException);
    std::set_terminate(OnTerminate);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    poolPath_ = PrepareFolder(settings::kPoolPath, settings::DefaultPoolPath(paths_.programFolder));
    servePath_ = PrepareFolder(settings::kServePath, settings::DefaultServePath(paths_.programFolder));
    frame_ = std::make_unique<MainFrame>(instance_, paths_, loop_);
    if (!frame_->Create() || !LoadSettings())
        return 0;
    frame_->SetSessionEnding([this] { OnSessionEnd(); });
    loop_.SetIdle([this] { frame_->OnIdle(); });
    // The bars show the commands' states from the first paint on, before
    // the question at start holds up the message loop.
    frame_->OnIdle();
    ShowWindow(frame_->handle(), showCommand);
    UpdateWindow(frame_->handle());
    resident_.CloseAtStart(frame_->handle());
    int exitCode = loop_.Run();
    if (!sessionEnded_)
        resident_.RestartAtExit(nullptr);
    return exitCode;
}

}  // namespace editor
