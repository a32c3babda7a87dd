# One fuzz target per reader of outside input: its entry point and what it links.
# fuzz/CMakeLists.txt makes each a libFuzzer executable; tests/fuzz/CMakeLists.txt
# makes each a GoogleTest that replays fuzz/corpus/<name>/. Each defines
# qx_fuzz_target before including this list.
qx_fuzz_target(link_reply SOURCES LinkReplyFuzzer.cpp LIBS qx_codec)
qx_fuzz_target(link_assembler SOURCES FrameAssemblerFuzzer.cpp LIBS qx_codec)
qx_fuzz_target(model_dispatcher SOURCES ReplyDispatcherFuzzer.cpp LIBS qx_model qx_model_fakes)
qx_fuzz_target(model_preset_file SOURCES PresetFileFuzzer.cpp LIBS qx_model qx_model_fakes)
qx_fuzz_target(model_unit_file SOURCES UnitFileFuzzer.cpp LIBS qx_model qx_model_fakes)
qx_fuzz_target(model_fir_image SOURCES FirImageFuzzer.cpp LIBS qx_model)
qx_fuzz_target(model_fir_coefficient_file SOURCES FirCoefficientFileFuzzer.cpp LIBS qx_model)
qx_fuzz_target(image_png SOURCES PngDecoderFuzzer.cpp LIBS qx_platform_image)
qx_fuzz_target(image_jpeg SOURCES JpegDecoderFuzzer.cpp LIBS qx_platform_image)
qx_fuzz_target(image_bmp SOURCES BmpDecoderFuzzer.cpp LIBS qx_platform_image)
qx_fuzz_target(gui_layout SOURCES LayoutFuzzer.cpp LIBS qx_platform_gui)
qx_fuzz_target(gui_ini SOURCES IniFileFuzzer.cpp LIBS qx_platform_gui)
qx_fuzz_target(gui_rtf SOURCES RtfReaderFuzzer.cpp LIBS qx_platform_gui)
qx_fuzz_target(gui_image_list SOURCES ImageListStreamFuzzer.cpp LIBS qx_platform_gui)
qx_fuzz_target(hid_descriptor SOURCES ReportDescriptorFuzzer.cpp LIBS qx_platform_hid)
qx_fuzz_target(text_numbers SOURCES TextNumbersFuzzer.cpp LIBS qx_platform_text)
qx_fuzz_target(text_format SOURCES TextFormatFuzzer.cpp LIBS qx_platform_text)
qx_fuzz_target(text_codepage SOURCES CodePageFuzzer.cpp LIBS qx_platform_text)
