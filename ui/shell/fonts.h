#pragma once

namespace ui::shell {

// Makes the window descriptions' Windows faces resolve to installed fonts of the same style:
// "宋体" / "SimSun" to a Song-style CJK face where the system has no such family (fontconfig maps
// neither), and sets the application's default font to the Simplified Chinese dialog font,
// 宋体 9 pt. "Times New Roman" and "Arial", where missing, resolve to faces of the same metrics.
void useChineseDialogFonts();

} // namespace ui::shell
