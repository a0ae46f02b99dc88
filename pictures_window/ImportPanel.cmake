# The pictures being added (rows with the crop frame, names and offers) and the teacher's voice
# buttons; the Pictures window embeds them.
set(_tessarine_pictures_window ${CMAKE_CURRENT_LIST_DIR})
add_library(tessarine_import_panel STATIC
    ${_tessarine_pictures_window}/CropFrameWidget.cpp ${_tessarine_pictures_window}/ImportPanel.cpp
    ${_tessarine_pictures_window}/ImportPlan.cpp ${_tessarine_pictures_window}/ImportRow.cpp
    ${_tessarine_pictures_window}/VoiceButtons.cpp)
target_link_libraries(tessarine_import_panel PUBLIC tessarine_pictures Qt6::Widgets Qt6::Concurrent)
