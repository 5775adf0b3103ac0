# The project's libraries, one per folder, and what each may use: the one table of the
# dependencies. A library links what it uses and may include headers only from its own folder and
# from the folders it reaches through what it uses; it may use only libraries above it in this
# table, so no two libraries depend on each other. Every include names its folder from the
# project root ("core/print/PrintSurface.h"); the test include_rules reads every source and fails
# on an include the including library does not link.
#
#           library            folder                uses                                 Qt
slip_layer(core_base           core/base             ""                                   Core)
slip_layer(core_files          core/files            "core_base"                          Core)
slip_layer(core_print          core/print            "core_base"                          Core)
slip_layer(core_slip           core/slip             "core_print"                         Core)
slip_layer(core_present        core/present          "core_slip"                          Core)
slip_layer(core_keysearch      core/keysearch        ""                                   "")
slip_layer(core_keys           core/keys             "core_files;core_slip;core_keysearch" Core)
slip_layer(core_fullcombination core/fullcombination "core_files;core_slip"               Core)
slip_layer(core_combination    core/combination      "core_keys;core_fullcombination"     Core)
slip_layer(core_results        core/results          "core_combination"                   Core)
slip_layer(core_alignment      core/alignment        "core_slip"                          Core)
slip_layer(core_models         core/models           "core_results;core_present;core_alignment" Core)
slip_layer(slip_forms          forms                 ""                                   Widgets)
slip_layer(slip_printing       printing              "core_print"                         "Gui;PrintSupport")
slip_layer(slip_preview        preview               "slip_printing;core_present"         Widgets)
slip_layer(slip_services       services              "slip_preview;core_files"            Widgets)
slip_layer(slip_drawcheck      drawcheck             "core_results;core_present;slip_forms" Widgets)
slip_layer(slip_calibration    calibration           "core_models;slip_forms"             Widgets)
slip_layer(keyprint_app        keyprint   "core_models;slip_drawcheck;slip_calibration"   Widgets)
slip_layer(combiprint_app      combiprint "core_models;slip_drawcheck;slip_calibration"   Widgets)
