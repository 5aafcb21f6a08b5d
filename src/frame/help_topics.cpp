#include "frame/help_topics.h"

#include "settings/app_path.h"

#include "frame/language_folder.h"
#include "frame_ids.h"

namespace scrv {
namespace {

constexpr HelpTopic kHelpTopics[] = {
    {6000, u"howto_search_search_regexp_syntax.html"},
    {6001, u"howto_view_view_toolbarlist.html"},
    {6003, u"macro_index.html"},
    {7000, u"dlg_properties_associate_index.html"},
    {7001, u"dlg_properties_autosave_index.html"},
    {7002, u"dlg_properties_backup_index.html"},
    {7003, u"dlg_properties_display_index.html"},
    {7004, u"dlg_properties_file_index.html"},
    {7005, u"dlg_properties_general_index.html"},
    {7006, u"dlg_properties_highlight1_index.html"},
    {7007, u"dlg_properties_highlight2_index.html"},
    {7008, u"dlg_properties_keyboard_index.html"},
    {7009, u"dlg_properties_link_index.html"},
    {7010, u"dlg_properties_marks_index.html"},
    {7011, u"dlg_properties_no_wrap_index.html"},
    {7012, u"dlg_properties_print_index.html"},
    {7013, u"dlg_properties_scroll_index.html"},
    {7014, u"dlg_properties_wrap_index.html"},
    {7015, u"dlg_customize_advanced_index.html"},
    {7016, u"dlg_customize_file_index.html"},
    {7017, u"dlg_customize_history_index.html"},
    {7018, u"dlg_customize_search_index.html"},
    {7019, u"dlg_customize_window_index.html"},
    {7020, u"dlg_macro_customize_my_macros_index.html"},
    {7021, u"dlg_macro_customize_options_index.html"},
    {7022, u"dlg_macro_temp_options_index.html"},
    {7023, u"dlg_file_associate_index.html"},
    {7024, u"dlg_file_associate_properties_index.html"},
    {7025, u"dlg_properties_font_index.html"},
    {7026, u"dlg_properties_general_indent_index.html"},
    {7027, u"dlg_insert_special_index.html"},
    {7028, u"dlg_menus_index.html"},
    {7029, u"dlg_menus_properties_index.html"},
    {7030, u"dlg_plugins_index.html"},
    {7031, u"dlg_properties_file_save_details_index.html"},
    {7032, u"dlg_tools_index.html"},
    {7033, u"dlg_tools_properties_index.html"},
    {7034, u"dlg_toolbars_index.html"},
    {7035, u"dlg_properties_file_new_details_index.html"},
    {7036, u"dlg_encodings_index.html"},
    {7038, u"dlg_configurations_index.html"},
    {7039, u"dlg_convert_index.html"},
    {7040, u"dlg_jump_index.html"},
    {7042, u"dlg_properties_reset_index.html"},
    {7043, u"dlg_configurations_new_config_index.html"},
    {7044, u"dlg_find_index.html"},
    {7045, u"dlg_replace_index.html"},
    {7046, u"dlg_find_in_files_index.html"},
    {7047, u"dlg_replace_in_files_index.html"},
    {7048, u"dlg_tray_index.html"},
    {7049, u"dlg_advanced_index.html"},
    {6100, u"dlg_import_export_index.html"},
    {7050, u"dlg_customize_status_index.html"},
    {7051, u"dlg_customize_tab_index.html"},
    {7052, u"dlg_detect_result_index.html"},
    {7053, u"dlg_customize_mouse_index.html"},
    {7063, u"dlg_customize_lang_index.html"},
    {7061, u"dlg_customize_shortcut_index.html"},
    {7092, u"dlg_macro_customize_my_macros_select_events_index.html"},
    {7105, u"dlg_customize_edit_index.html"},
    {7106, u"dlg_customize_marks_index.html"},
    {7129, u"dlg_customize_view_index.html"},
    {7159, u"dlg_customize_sort_index.html"},
    {7183, u"dlg_properties_spell_index.html"},
    {7186, u"dlg_insert_numbering_index.html"},
    {7216, u"dlg_customize_markers_marker_list_index.html"},
    {7217, u"dlg_customize_markers_auto_marker_index.html"},
    {7224, u"dlg_customize_markers_marker_options_index.html"},
    {7240, u"dlg_about_index.html"},
    {7241, u"dlg_save_all_as_index.html"},
    {7242, u"dlg_combine_files_combine_files.html"},
    {7243, u"dlg_combine_files_combine_save.html"},
    {7244, u"dlg_combine_files_combine_pros.html"},
    {7245, u"dlg_split_to_files_split_how.html"},
    {7246, u"dlg_split_to_files_split_files.html"},
    {7247, u"dlg_split_to_files_split_header.html"},
    {7248, u"dlg_split_to_files_split_save.html"},
    {7249, u"dlg_split_to_files_split_progress.html"},
    {7250, u"dlg_configuration_associations_index.html"},
    {7251, u"dlg_enter_maintenance_index.html"},
    {7252, u"dlg_customize_outline_index.html"},
    {7253, u"dlg_properties_outline_index.html"},
    {7254, u"dlg_customize_csv_index.html"},
    {7255, u"dlg_advanced_filter_index.html"},
    {7256, u"dlg_sort_multi_index.html"},
    {7257, u"dlg_join_csv_index.html"},
    {7258, u"dlg_delete_duplicate_advanced_index.html"},
    {7259, u"dlg_extract_columns_index.html"},
    {7260, u"dlg_customize_start_index.html"},
    {7261, u"dlg_extract_options_index.html"},
    {7262, u"dlg_customize_format_index.html"},
    {7263, u"dlg_undo_history_index.html"},
    {7264, u"dlg_customize_active_string_index.html"},
    {7265, u"dlg_clear_history_index.html"},
    {7266, u"dlg_auto_fill_index.html"},
    {7267, u"dlg_customize_text_rendering_index.html"},
    {7269, u"dlg_character_code_value_dialog_index.html"},
    {7270, u"dlg_customize_workspace_index.html"},
    {7271, u"dlg_customize_sync_index.html"},
    {7272, u"dlg_customize_optimization_index.html"},
    {7273, u"dlg_number_range_index.html"},
    {7274, u"howto_search_replacement_expression_syntax.html"},
    {7275, u"dlg_customize_validation_index.html"},
    {7276, u"dlg_properties_validation_index.html"},
};

// The language folder chosen by "SystemLang" and "LangFolder", as the localisation module is.
std::optional<std::u16string> LanguageFolder(HelpContext& help) {
  const LanguageChoice choice = ReadLanguageChoice(help.settings, help.flags);
  return help.platform.FindLanguageFolder(choice.systemLang, choice.folder);
}

}  // namespace

std::span<const HelpTopic> HelpTopics() {
  return kHelpTopics;
}

std::optional<std::u16string_view> FindHelpPage(uint32_t topic) {
  for (const HelpTopic& t : kHelpTopics)
    if (t.topic == topic) return t.page;
  return std::nullopt;
}

std::u16string OnlineHelpAddress(std::u16string_view base, uint32_t topic) {
  std::u16string address(base);
  if (std::optional<std::u16string_view> page = FindHelpPage(topic)) address += *page;
  return address;
}

int32_t AskHelpSource(HelpContext& help) {
  uint32_t prompt = help.settings.ReadCommonDword(u"PromptHelp", 1);
  uint32_t internet = help.settings.ReadCommonDword(u"HelpInternet", 1);
  if (prompt == 0) return internet ? kHelpOnline : kHelpLocal;

  bool dontAskAgain = false;
  int32_t choice = AskChoice(
      help.ui, UiText::Res(IDS_HELP_SOURCE_QUESTION), UiText::Res(IDS_HELP_SOURCE_ONLINE),
      UiText::Res(IDS_HELP_SOURCE_LOCAL), internet ? kHelpOnline : kHelpLocal, &dontAskAgain);
  if (choice != kHelpOnline && choice != kHelpLocal) return kHelpCancelled;
  if (dontAskAgain) help.settings.WriteCommonDword(u"PromptHelp", 0);
  help.settings.WriteCommonDword(u"HelpInternet", choice == kHelpOnline ? 1 : 0);
  return choice;
}

std::u16string LocalHelpFolder(HelpContext& help) {
  if (!help.packaged && !help.settings.IniMode()) {
    std::u16string common = help.platform.CommonAppDataFolder();
    if (!common.empty()) {
      std::u16string maker = JoinPath(common, u"Veltranix");
      help.platform.CreateFolder(maker);
      std::u16string product = JoinPath(maker, u"Scrivlet");
      help.platform.CreateFolder(product);
      return JoinPath(product, u"Help");
    }
  }
  return JoinPath(help.applicationFolder, u"Help");
}

std::u16string GetOnlineHelpBase(HelpContext& help) {
  if (std::optional<std::u16string> folder = LanguageFolder(help))
    return help.platform.ReadLanguageInfo(*folder, u"HelpUrl", kDefaultHelpUrl);
  return std::u16string(kDefaultHelpUrl);
}

std::u16string DownloadLinkContent(std::u16string_view downloadUrl) {
  std::u16string out = u"<a href=\"";
  out += downloadUrl;
  out += u"\">";
  out += downloadUrl;
  out += u"</a>";
  return out;
}

std::optional<std::u16string> FindLocalHelpFile(HelpContext& help) {
  std::u16string folder = LocalHelpFolder(help);
  std::u16string file(kDefaultHelpFile);
  std::u16string download(kDefaultHelpDownloadUrl);
  if (std::optional<std::u16string> lang = LanguageFolder(help)) {
    file = help.platform.ReadLanguageInfo(*lang, u"HelpFile", kDefaultHelpFile);
    download = help.platform.ReadLanguageInfo(*lang, u"HelpDownloadUrl", kDefaultHelpDownloadUrl);
  }
  std::u16string path = JoinPath(folder, file);
  if (help.platform.FileExists(path)) return path;
  if (!help.packaged)
    ShowInfoWithLink(help.ui, UiText::Res(IDS_HELP_FILE_MISSING),
                     UiText::Of(DownloadLinkContent(download)));
  return std::nullopt;
}

void ShowHelpTopic(HelpContext& help, uint32_t topic) {
  switch (AskHelpSource(help)) {
    case kHelpOnline: {
      std::u16string address = OnlineHelpAddress(GetOnlineHelpBase(help), topic);
      if (!help.ui.OpenAddress(address)) ShowOpenFailure(help.ui, address, nullptr);
      break;
    }
    case kHelpLocal:
      if (std::optional<std::u16string> file = FindLocalHelpFile(help))
        help.platform.OpenHtmlHelp(*file, kHhHelpContext, topic);
      break;
    default:
      break;
  }
}

}  // namespace scrv
