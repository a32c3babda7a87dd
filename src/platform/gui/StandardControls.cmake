# Sources of the standard controls, menus, common dialogs and the other
# services beside the core (included by CMakeLists.txt).
target_sources(qx_platform_gui PRIVATE
  DialogService.cpp
  MessageBox.cpp
  QtDialogService.cpp
  RtfReader.cpp
  RtfWriter.cpp
  ScriptedDialogService.cpp
  Clipboard.cpp
  IniFile.cpp)
target_sources(qx_platform_gui PRIVATE
  Button.cpp
  CheckBox.cpp
  ComboBox.cpp
  Edit.cpp
  ItemStrings.cpp
  Label.cpp
  QtConversions.cpp
  RadioButton.cpp
  StandardClasses.cpp
  UpDown.cpp)
target_sources(qx_platform_gui PRIVATE
  GroupBox.cpp
  Image.cpp
  ImageList.cpp
  ListBox.cpp
  TreeView.cpp
  Memo.cpp
  PaintBox.cpp
  Panel.cpp
  PictureResources.cpp
  ScrollBox.cpp
  Shape.cpp
  SpeedButton.cpp
  StatusBar.cpp)
target_sources(qx_platform_gui PRIVATE
  ColorDialog.cpp
  FontDialog.cpp
  HintWindow.cpp
  MainMenu.cpp
  Menu.cpp
  MenuItem.cpp
  OpenDialog.cpp
  PageControl.cpp
  PopupMenu.cpp
  PrintDialog.cpp
  Printer.cpp
  RichEdit.cpp
  Screen.cpp
  SpecialFolders.cpp
  ValueListEditor.cpp)
target_link_libraries(qx_platform_gui PUBLIC Qt6::PrintSupport)
target_sources(qx_platform_gui PRIVATE
  ProgressBar.cpp)
