#include "interpreter/win32/dialogs/ReplaceFrm.h"

#include "common/win32/Icons.h"
#include "interpreter/win32/ControlIds.h"

#include <shellapi.h>

#include <cstdio>
#include <utility>

namespace qv::win32 {
namespace {

constexpr ControlSpec ReplaceControls[] = {
    {ids::ReplaceIcon, ControlKind::Label, 16, 16, 32, 32, nullptr, SS_ICON},
    {ids::labFilename, ControlKind::Label, 64, 16, 338, 34, ""},
    {ids::labQuestion, ControlKind::Label, 64, 56, 338, 16,
     "Whould you like to replace the exist file"},
    {ids::iDestin, ControlKind::Label, 96, 80, 32, 32, nullptr, SS_ICON},
    {ids::labSizeDestin, ControlKind::Label, 136, 82, 266, 13, ""},
    {ids::labDateDestin, ControlKind::Label, 136, 95, 266, 13, ""},
    {ids::labWithThis, ControlKind::Label, 64, 120, 338, 16, "with this one?"},
    {ids::iSource, ControlKind::Label, 96, 144, 32, 32, nullptr, SS_ICON},
    {ids::labSizeSource, ControlKind::Label, 136, 146, 266, 13, ""},
    {ids::labDateSource, ControlKind::Label, 136, 159, 266, 13, ""},
    {ids::butYes, ControlKind::DefaultButton, 16, 192, 75, 25, "&Yes", WS_GROUP},
    {ids::butYesToAll, ControlKind::Button, 96, 192, 75, 25, "Yes to &All"},
    {ids::butNo, ControlKind::Button, 176, 192, 75, 25, "&No"},
    {ids::butNoToAll, ControlKind::Button, 256, 192, 75, 25, "No to &All"},
    {ids::butCancel, ControlKind::Button, 336, 192, 75, 25, "Cancel"},
};

FormSpec ReplaceFrmSpec() {
    return {
        .className = ids::ReplaceFrmClass,
        .title = ReplaceFrmTitle,
        .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME,
        .exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
        .width = ReplaceFrmClientWidth,
        .height = ReplaceFrmClientHeight,
        .controls = ReplaceControls,
        .defaultButton = ids::butYes,
        .cancelButton = ids::butCancel,
    };
}

std::string MonthName(int month) {
    char name[80] = {};
    const int length =
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + month - 1),
                         name, sizeof(name));
    return length > 1 ? std::string(name, static_cast<std::size_t>(length - 1)) : std::string();
}

} // namespace

std::string ReplaceFileNameText(const std::string& name) {
    return "This folder already contains a file called '" + name + "'";
}

std::string ReplaceSizeText(std::uint64_t bytes) {
    return std::to_string(bytes) + " bytes";
}

std::string ReplaceDateText(const SYSTEMTIME& localTime) {
    char time[16];
    std::snprintf(time, sizeof(time), "%02u:%02u:%02u", localTime.wHour, localTime.wMinute,
                  localTime.wSecond);
    return "modified on " + std::to_string(localTime.wDay) + " " + MonthName(localTime.wMonth) +
           " " + std::to_string(localTime.wYear) + ", " + time;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '\\') {
        return folder + name;
    }
    return folder + "\\" + name;
}

TfrmReplace::TfrmReplace(MessageLoop& loop, HWND owner, const logic::ReplaceQuestion& question)
    : Dialog(loop, ReplaceFrmSpec(), owner, logic::ReplaceAnswer::Cancel) {
    if (!IsAlive()) {
        return;
    }
    Control(ids::ReplaceIcon).Send(STM_SETICON,
                                   reinterpret_cast<WPARAM>(::LoadIconA(nullptr, IDI_WARNING)));
    Control(ids::labFilename).SetText(ReplaceFileNameText(question.sourceName));
    ShowFile(JoinPath(question.targetFolder, question.targetName), ids::iDestin, ids::labSizeDestin,
             ids::labDateDestin, destinationIcon_);
    ShowFile(JoinPath(question.sourceFolder, question.sourceName), ids::iSource, ids::labSizeSource,
             ids::labDateSource, sourceIcon_);
}

void TfrmReplace::ShowFile(const std::string& path, int iconId, int sizeId, int dateId,
                           UniqueIcon& icon) {
    WORD index = 0;
    char iconPath[MAX_PATH + 1] = {};
    ::lstrcpynA(iconPath, path.c_str(), sizeof(iconPath));
    icon.Reset(::ExtractAssociatedIconA(::GetModuleHandleA(nullptr), iconPath, &index));
    if (!icon) {
        // A file type without an associated program still has the shell's plain file icon.
        SHFILEINFOA info{};
        if (::SHGetFileInfoA(path.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof(info),
                             SHGFI_ICON | SHGFI_USEFILEATTRIBUTES) != 0) {
            icon.Reset(info.hIcon);
        }
    }
    Control(iconId).Send(STM_SETICON, reinterpret_cast<WPARAM>(icon.Get()));

    // The file is opened read-only to measure it; a file that cannot be opened shows nothing.
    UniqueHandle file(::CreateFileA(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return;
    }
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file.Get(), &size)) {
        Control(sizeId).SetText(ReplaceSizeText(static_cast<std::uint64_t>(size.QuadPart)));
    }
    FILETIME written{};
    FILETIME local{};
    SYSTEMTIME time{};
    if (::GetFileTime(file.Get(), nullptr, nullptr, &written) &&
        ::FileTimeToLocalFileTime(&written, &local) && ::FileTimeToSystemTime(&local, &time)) {
        Control(dateId).SetText(ReplaceDateText(time));
    }
}

void TfrmReplace::OnCommand(int id, int) {
    switch (id) {
    case ids::butYes:
        Finish(logic::ReplaceAnswer::Yes);
        break;
    case ids::butYesToAll:
        Finish(logic::ReplaceAnswer::YesToAll);
        break;
    case ids::butNo:
        Finish(logic::ReplaceAnswer::No);
        break;
    case ids::butNoToAll:
        Finish(logic::ReplaceAnswer::NoToAll);
        break;
    case ids::butCancel:
        Finish(logic::ReplaceAnswer::Cancel);
        break;
    default:
        break;
    }
}

} // namespace qv::win32
