#pragma once

// Makes MsgBox show real message boxes.
void installWidgetMessages();
