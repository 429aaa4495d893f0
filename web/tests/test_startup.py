# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""The window right after start-up: texts, selections, geometry, fonts, colours.

The expected values are literals copied from the window's design, not read
from the control table, so that a typo in the table shows here.
"""
import unittest

from browser import PageTest

CAPTION = 'Allan-Bradley / Modicon Corvane' + ' ' * 53 + 'Ver 1.3'

# Captions and texts at start-up.
STARTUP_TEXTS = [
    ('Exit', 'Exit '),
    ('Aboutcmd', 'About'),
    ('MasterLbL', 'Master'),
    ('SlaveLbl', 'Slave'),
    ('Label2', 'PLC Type Commands'),
    ('PLC3Lbl', 'PLC-3  Word Range Read/Write'),
    ('PLC5Lbl', 'PLC-5  Typed Read/Write'),
    ('AddrFrmtLbl', 'Addressing Format'),
    ('XYYLbl', 'NXYY:Z'),
    ('XYZLbl', 'NXYZ:Z'),
    ('YXZLbl', 'NYXZ:Z'),
    ('AddrCmdLbl', 'Modbus Address and Command'),
    ('MesTypeLbl', 'Message Type'),
    ('MesTypeLst', ' Read'),
    ('ModCmdLbl', 'Modbus Command'),
    ('ModCmdLst', ' 01 - Read Coil Status  (0X)'),
    ('DiagSubLbl', 'Diagnostic Subfunction'),
    ('DiagSubLst', ' 00 - Return Data Query'),
    ('RegLbl', ' Start Coil'),
    ('RegTxt', ''),
    ('RegValLbl', '(1-9999)'),
    ('SlaveAddrLbl', 'Slave Address'),
    ('SlaveAddrTxt', ''),
    ('SlaveValLbl', '(1-99)'),
    ('TransMasterCmd', 'Translate'),
    ('DTALbl', 'Data Table Address'),
    ('DTATxt', ''),
    ('ABDataFileLbl', 'Allan Bradley Starting Data File'),
    ('DataFileTxt', ''),
    ('DataFileLbl', '( Ex. N7:0 , N7:4/5 , B3/0 )'),
    ('ModiconStartRegLbl', 'Modicon Starting Register/Coil'),
    ('StartRegTxt', ''),
    ('StartRegLbl', '( Ex. 40001 )'),
    ('NumRegLbl', 'Number of AB words/bits to be Mapped'),
    ('NumRegTxt', ''),
    ('TransSlaveCmd', 'Translate'),
    ('ABStartLbl', 'A-B Start File'),
    ('ModStartLbl', 'Modicon Start Register'),
    ('ModEndLbl', 'Modicon End Register'),
    ('FileLbl', 'File'),
    ('WordLbl', 'Word'),
    ('ModStartTxt', ''),
    ('ModEndTxt', ''),
    ('FileTxt', ''),
    ('WordTxt', ''),
]

TOOLTIPS = [
    ('DataFileTxt', 'Location of the starting Allan Bradley File and Word you want to mapped'),
    ('StartRegTxt', 'Location of the starting Modicon Register or Coil that you want to map'),
    ('NumRegTxt', 'Number of consecutive Registers or Coils to be mapped'),
]

# Position in the client area, in twips, summed over the containers:
# (control, left, top, width, height).
GEOMETRY_TWIPS = [
    ('LogoPic', 120, 120, 4185, 1575),
    ('TitleTxt', 4200, 240, 4935, 1095),
    ('Exit', 6600, 1375, 1095, 350),
    ('Aboutcmd', 7920, 1375, 1095, 350),
    ('MasterOpt-box', -120 + 360, 1800 + 240, 255, 375),
    ('MasterLbL', -120 + 720, 1800 + 270, 855, 375),
    ('PLC5Opt-box', -120 + 4560, 1800 + 600 + 720, 255, 255),
    ('XYZLbl', -120 + 2400, 1800 + 600 + 1080 + 600, 975, 255),
    ('MesTypeLst-box', -120 + 2520, 1800 + 600 + 1080 + 1800, 1335, 405),
    ('ModCmdLst-box', -120 + 2520, 1800 + 600 + 1080 + 2400, 3975, 405),
    ('RegTxt', -120 + 2520, 1800 + 600 + 1080 + 3600, 1095, 285),
    ('SlaveValLbl', -120 + 3360, 1800 + 600 + 1080 + 4080, 1335, 255),
    ('TransMasterCmd', -120 + 240 + 360, 1800 + 600 + 1080 + 4800 + 360, 2055, 495),
    ('DTATxt', -120 + 240 + 6120, 1800 + 600 + 1080 + 4800 + 360, 2655, 495),
]

# (control, CSS font family's first face, size in pixels, bold)
FONTS = [
    ('TitleTxt', 'Times New Roman', 29, True),
    ('Exit', 'MS Sans Serif', 11, True),
    ('MasterLbL', 'Times New Roman', 19, False),
    ('PLC3Lbl', 'Times New Roman', 16, False),
    ('RegTxt', 'MS Sans Serif', 11, False),
    ('RegValLbl', 'Times New Roman', 13, False),
    ('SlaveValLbl', 'MS Sans Serif', 13, False),
    ('DTALbl', 'Times New Roman', 21, False),
    ('DTATxt', 'Times New Roman', 24, True),
    ('ModStartTxt', 'Times New Roman', 21, True),
]


def pixels(twips):
    """Twips to pixels at 15 to the pixel, halves away from zero."""
    sign = -1 if twips < 0 else 1
    return sign * ((abs(twips) * 2 + 15) // 30)


class StartupTest(PageTest):
    def test_caption_carries_title_and_version(self):
        self.assertEqual(self.text('main-caption'), CAPTION)
        # A document's title collapses runs of blanks.
        self.assertEqual(self.driver.title, ' '.join(CAPTION.split()))

    def test_controls_show_their_startup_texts(self):
        for name, expected in STARTUP_TEXTS:
            with self.subTest(control=name):
                self.assertEqual(self.text(name), expected)

    def test_title_box_holds_two_lines(self):
        self.assertEqual(self.text('TitleTxt'), 'Allan-Bradley / Modicon\nCorvane\n')

    def test_master_group_shown_with_plc5_and_nxyy(self):
        self.assertTrue(self.shown('MasterFrm'))
        self.assertFalse(self.shown('SlaveFrm'))
        for name in ('MasterOpt', 'PLC5Opt', 'XYYOpt'):
            self.assertTrue(self.control(name).is_selected(), name)
        for name in ('SlaveOpt', 'PLC3Opt', 'XYZOpt', 'YXZOpt'):
            self.assertFalse(self.control(name).is_selected(), name)
        self.assertFalse(self.shown('DiagSubLbl'))
        self.assertFalse(self.shown('DiagSubLst'))

    def test_lists_hold_their_startup_entries(self):
        self.assertEqual(self.entries('MesTypeLst'), [' Read', ' Write'])
        self.assertEqual(self.entries('ModCmdLst'), [
            ' 01 - Read Coil Status  (0X)', ' 02 - Read Input Status  (1X)',
            ' 03 - Read Holding Registers  (4X)', ' 04 - Read Input Registers  (3X)'])
        self.assertEqual(self.entries('DiagSubLst'), [])

    def test_text_fields_have_their_tooltips(self):
        # Shown while the field has the focus or the pointer (test_touch).
        for name, tip in TOOLTIPS:
            with self.subTest(control=name):
                self.assertEqual(self.text(name + '-tip'), tip)

    def test_client_area_is_617_by_630(self):
        size = self.driver.execute_script(
            'const r = document.querySelector(".window.main .client").getBoundingClientRect();'
            'return [r.width, r.height];')
        self.assertEqual(size, [617, 630])

    def test_controls_stand_at_their_design_positions(self):
        origin = self.driver.execute_script(
            'const r = document.querySelector(".window.main .client").getBoundingClientRect();'
            'return [r.left, r.top];')
        for name, left, top, width, height in GEOMETRY_TWIPS:
            with self.subTest(control=name):
                rect = self.driver.execute_script(
                    'const r = document.getElementById(arguments[0]).getBoundingClientRect();'
                    'return [r.left, r.top, r.width, r.height];', name)
                actual = [round(rect[0] - origin[0]), round(rect[1] - origin[1]),
                          round(rect[2]), round(rect[3])]
                # Each container rounds its own offset, so sums may differ by a pixel.
                expected = [pixels(left), pixels(top), pixels(width), pixels(height)]
                for got, want in zip(actual, expected):
                    self.assertLessEqual(abs(got - want), 1, (actual, expected))

    def test_only_the_tops_of_the_big_frames_show_as_rules(self):
        # Frame1, MasterFrm and SlaveFrm reach past the client area on the
        # left, the right and the bottom.
        edges = self.driver.execute_script(
            'const c = document.querySelector(".window.main .client").getBoundingClientRect();'
            'return ["Frame1", "MasterFrm"].map((id) => {'
            '  const r = document.getElementById(id).getBoundingClientRect();'
            '  return [r.left - c.left, r.top - c.top, r.right - c.right, r.bottom - c.bottom];'
            '});')
        frame1, master = edges
        self.assertEqual(frame1[1], 120)
        self.assertEqual(master[1], 160)
        for left, _, right, bottom in edges:
            self.assertLess(left, 0)
            self.assertGreater(right, 0)
            self.assertGreater(bottom, 0)

    def test_fonts_are_the_design_faces_or_their_substitutes(self):
        for name, face, size, bold in FONTS:
            with self.subTest(control=name):
                style = self.driver.execute_script(
                    'const s = getComputedStyle(document.getElementById(arguments[0]));'
                    'return [s.fontFamily, s.fontSize, s.fontWeight];', name)
                self.assertTrue(style[0].startswith(f'"{face}"'), style[0])
                self.assertAlmostEqual(float(style[1][:-2]), size, delta=0.5)
                self.assertEqual(int(style[2]) >= 700, bold)

    def test_substitute_faces_follow_the_design_faces(self):
        families = self.driver.execute_script(
            'return [getComputedStyle(document.getElementById("Label2")).fontFamily,'
            '        getComputedStyle(document.getElementById("Exit")).fontFamily];')
        self.assertEqual(families[0], '"Times New Roman", "Liberation Serif", Tinos, serif')
        self.assertEqual(families[1],
                         '"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", Arial, '
                         'sans-serif')

    def test_headings_are_teal_on_button_face_below_a_window_coloured_header(self):
        colours = self.driver.execute_script(
            'const colour = (id, p) => getComputedStyle(document.getElementById(id))[p];'
            'return [colour("Label2", "color"), colour("AddrFrmtLbl", "color"),'
            '        getComputedStyle(document.querySelector(".window.main .client")).backgroundColor,'
            '        colour("Frame1", "backgroundColor"), colour("DTATxt", "backgroundColor")];')
        self.assertEqual(colours[0], 'rgb(53, 116, 117)')
        self.assertEqual(colours[1], 'rgb(53, 116, 117)')
        self.assertEqual(colours[2], colours[4])
        self.assertNotEqual(colours[2], colours[3])

    def test_focus_starts_on_the_mode_buttons(self):
        self.assertEqual(self.focused(), 'MasterOpt')


if __name__ == '__main__':
    unittest.main()
