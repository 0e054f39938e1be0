# quarn_layout_host(<target>)
#
# Makes <target> a host of the layout module, the same way whether the package
# came from find_package(QuarnLayout) or the sources were added as a sub-project
# (add_subdirectory, FetchContent):
# - links QuarnLayout::Registry and QuarnLayout::Controls (PRIVATE);
# - defines QUARN_MODULE, the module's path as a wide string for
#   LayoutRegistry::loadLibrary, QUARN_IMAGE_BUNDLE, the image bundle for
#   QResource::registerResource, and QUARN_TRANSLATIONS, the folder of the .qm
#   files;
# - as a sub-project, builds the module, its image bundle and its translations
#   before <target>. A host loads them at run time and never links them, so
#   nothing else makes its build wait for them.
function(quarn_layout_host target)
  if(NOT TARGET QuarnLayout::Module)
    message(FATAL_ERROR "quarn_layout_host(${target}): find_package(QuarnLayout) or add its sources first")
  endif()
  get_target_property(images QuarnLayout::Module QUARN_IMAGE_BUNDLE)
  get_target_property(translations QuarnLayout::Module QUARN_TRANSLATIONS_DIR)
  target_link_libraries(${target} PRIVATE QuarnLayout::Registry QuarnLayout::Controls)
  target_compile_definitions(${target} PRIVATE
    "QUARN_MODULE=L\"$<TARGET_FILE:QuarnLayout::Module>\""
    "QUARN_IMAGE_BUNDLE=\"${images}\""
    "QUARN_TRANSLATIONS=\"${translations}\"")
  get_target_property(module QuarnLayout::Module ALIASED_TARGET)
  if(module)
    add_dependencies(${target} ${module} quarn_placeholder_images quarn_translations)
  endif()
endfunction()
