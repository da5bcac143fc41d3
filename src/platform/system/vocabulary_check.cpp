// The headers of platform/portable copy a few of the platform's numbers so
// that portable code can use them; each copy is held against the platform's
// own headers here.
#include "platform/portable/file_operation_flags.h"
#include "platform/portable/message_box_styles.h"
#include "platform/portable/pixel_view.h"

#include <windows.h>
#include <shellapi.h>

namespace rublet {

static_assert(box::Ok == MB_OK);
static_assert(box::OkCancel == MB_OKCANCEL);
static_assert(box::IconError == MB_ICONERROR);
static_assert(box::IconQuestion == MB_ICONQUESTION);
static_assert(box::IconExclamation == MB_ICONEXCLAMATION);
static_assert(box::IconInformation == MB_ICONINFORMATION);
static_assert(box::IdOk == IDOK);

static_assert(fof::NoConfirmation == FOF_NOCONFIRMATION);
static_assert(fof::AllowUndo == FOF_ALLOWUNDO);
static_assert(fof::SimpleProgress == FOF_SIMPLEPROGRESS);
static_assert(fof::WantNukeWarning == FOF_WANTNUKEWARNING);

static_assert(DibPixelOf(RGB(0x12, 0x34, 0x56)) == 0x123456u);

}  // namespace rublet
