#pragma once
// Texts that more than one program shows.
#include "gbk.h"

// The web address that ends line 11 of the help texts, where users may leave
// questions. A macro, so that it joins the help literals at compile time.
#define MATCALC_QUESTIONS_ADDRESS "https://pemberlo.example.com/liuyan"

namespace matcalc::texts {

inline constexpr auto kResultCaption = gbk("计算完毕");
inline constexpr auto kErrorCaption = gbk("Error");
inline constexpr auto kOutOfRange = gbk("数值超出范围,无法精确计算");
inline constexpr auto kTooLarge = gbk("矩阵不能超过20行20列");
inline constexpr auto kMatrixWrong = gbk("矩阵有误");
inline constexpr auto kChooseOperation = gbk("请选择计算方式");


}  // namespace matcalc::texts

// The thirteen lines of a help text, joined by line feeds with none at the
// end; the programs differ in the first line, the typing line and the note.
#define MATCALC_HELP_TEXT(firstLine, typingLine, noteLine)                  \
  firstLine "\n"                                                            \
  "本程序引入了分数算法,可以对分数元素计算并得出分数结果。\n"              \
  "\n"                                                                      \
  "使用方法:\n"                                                             \
  "\n"                                                                      \
  "   " typingLine "\n"                                                     \
  "   式输入(例如:3.14应输入314/100)，每个元素间用空格分开。\n"            \
  "\n"                                                                      \
  "   " noteLine "\n"                                                       \
  "\n"                                                                      \
  "    如有疑问,请到此留言" MATCALC_QUESTIONS_ADDRESS "\n"                  \
  "\n"                                                                      \
  "                                     Program by Pemberlo"
