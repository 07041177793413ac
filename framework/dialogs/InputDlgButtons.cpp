#include "framework/dialogs/InputDlgButtons.h"

namespace {
const int IconSize = 16;
}

void DecorateInputButtons(CButtonST& ok, CButtonST& cancel)
{
    ok.SetIconFromResource(InputOkIconId, IconSize, IconSize);
    ok.EnableBalloonTooltip();
    ok.SetTooltipText("Save and Close");
    cancel.SetIconFromResource(InputCancelIconId, IconSize, IconSize);
    cancel.EnableBalloonTooltip();
    cancel.SetTooltipText("Close without saving");
}
