#pragma once
// The warning every program shows before its dialog opens: a line break after
// the last row adds an empty row, which spoils the computation.
#include "gbk.h"

namespace matcalc::texts {

inline constexpr auto kStartupCaption = gbk("使用说明");
inline constexpr auto kStartupWarning = gbk("输入完最后一行后请不要换行，否则会计算错误!!");
// Quendrel's own, shorter wording of the same warning.
inline constexpr auto kStartupWarningShort = gbk("输完最后一行请不要换行，否则会计算错误!!");

}  // namespace matcalc::texts
