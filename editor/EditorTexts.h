#pragma once

// What the editor's commands show of their own: labels, message boxes and their captions.
// Literals are compiled to GBK.
namespace editorTexts {

inline constexpr char kNewRouteName[] = "新建路线";
inline constexpr char kStartLabelBefore[] = "首站[";
inline constexpr char kTerminalLabelBefore[] = "末站[";
inline constexpr char kLabelAfter[] = "]时间:";
inline constexpr char kStartLabelEmpty[] = "首站时间:";
inline constexpr char kTerminalLabelEmpty[] = "末站时间:";

inline constexpr char kAlreadyLast[] = "已经是最后一个";
inline constexpr char kAlreadyFirst[] = "已经是第一个";
inline constexpr char kWarningCaption[] = "警告";
inline constexpr char kDataInfo[] = "请注意目录下readme.txt信息已经填写，可以用记事本打开编辑";
inline constexpr char kInformationCaption[] = "信息";

// Questions before what the user typed, or changed in memory, would be lost.
inline constexpr char kStoreChangedRoute[] = "当前线路已修改，是否保存到内存?";
inline constexpr char kSaveBeforeClosing[] = "线路数据已修改但还没有保存到文件，是否先保存到文件?";
inline constexpr char kQuestionCaption[] = "提示";

}  // namespace editorTexts
