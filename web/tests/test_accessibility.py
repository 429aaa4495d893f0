# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""What a screen reader hears: every control's accessible name as the browser
computes it is the caption of the label that names it, and follows it; each
field is described by its hint and tooltip; each answer is read out with its
caption once per translation; no two buttons share a name; each group is
named by the caption the user sees. Chromium's accessibility tree is read
through CDP (Accessibility.getFullAXTree)."""
import unittest

from browser import ERROR_TITLE, PageTest, chromium_only

# (control, role, accessible name) of every control that a user reaches.
MASTER_NAMES = [
    ('LogoPic', 'image', 'Corvane logo'),
    ('TitleTxt', 'heading', 'Allan-Bradley / Modicon Corvane'),
    ('Exit', 'button', 'Exit'),
    ('Aboutcmd', 'button', 'About'),
    ('MasterOpt', 'radio', 'Master'),
    ('SlaveOpt', 'radio', 'Slave'),
    ('Label2', 'heading', 'PLC Type Commands'),
    ('PLC3Opt', 'radio', 'PLC-3 Word Range Read/Write'),
    ('PLC5Opt', 'radio', 'PLC-5 Typed Read/Write'),
    ('AddrFrmtLbl', 'heading', 'Addressing Format'),
    ('XYYOpt', 'radio', 'NXYY:Z'),
    ('XYZOpt', 'radio', 'NXYZ:Z'),
    ('YXZOpt', 'radio', 'NYXZ:Z'),
    ('AddrCmdLbl', 'heading', 'Modbus Address and Command'),
    ('MesTypeLst', 'combobox', 'Message Type'),
    ('ModCmdLst', 'combobox', 'Modbus Command'),
    ('RegTxt', 'textbox', 'Start Coil'),
    ('SlaveAddrTxt', 'textbox', 'Slave Address'),
    ('TransMasterCmd', 'button', 'Translate'),
    ('DTATxt', 'status', 'Data Table Address'),
]

SLAVE_NAMES = [
    ('DataFileTxt', 'textbox', 'Allan Bradley Starting Data File'),
    ('StartRegTxt', 'textbox', 'Modicon Starting Register/Coil'),
    ('NumRegTxt', 'textbox', 'Number of AB words/bits to be Mapped'),
    ('TransSlaveCmd', 'button', 'Translate'),
    ('ModStartTxt', 'status', 'Modicon Start Register'),
    ('ModEndTxt', 'status', 'Modicon End Register'),
    ('FileTxt', 'status', 'File'),
    ('WordTxt', 'status', 'Word'),
]

OUTPUTS = ['DTATxt', 'ModStartTxt', 'ModEndTxt', 'FileTxt', 'WordTxt']


class AccessibleNameTest(PageTest):
    def assert_names(self, rows):
        for name, role, accessible in rows:
            with self.subTest(control=name):
                node = self.control(name)
                # WebKitWebDriver computes no role for an image (it gives '').
                expected = ('' if role == 'image' and self.engine == 'webkit' else role, accessible)
                self.assertEqual((node.aria_role, node.accessible_name), expected)

    def test_master_controls_are_named_by_their_labels(self):
        self.assert_names(MASTER_NAMES)

    def test_slave_controls_are_named_by_their_labels(self):
        self.click('SlaveOpt')
        self.assert_names(SLAVE_NAMES)

    def test_subfunction_box_is_named_when_shown(self):
        self.type_into('ModCmdLst', ' 08 - Diagnostics')
        self.pick('MesTypeLst', ' Read')
        self.assert_names([('DiagSubLst', 'combobox', 'Diagnostic Subfunction')])

    def test_register_field_name_follows_its_caption(self):
        self.pick('ModCmdLst', ' 03 - Read Holding Registers  (4X)')
        self.assertEqual(self.text('RegLbl'), 'Start Register')
        self.assertEqual(self.control('RegTxt').accessible_name, 'Start Register')

    def test_answer_labels_can_be_selected_and_copied(self):
        for name in OUTPUTS:
            with self.subTest(control=name):
                self.assertEqual(self.driver.execute_script(
                    'const style = getComputedStyle(document.getElementById(arguments[0]));'
                    'return style.userSelect || style.webkitUserSelect;',
                    name), 'text')

    def test_main_window_is_a_landmark_named_by_its_caption(self):
        window = self.driver.find_element('css selector', '.window.main')
        self.assertEqual(window.aria_role, 'main')
        self.assertEqual(window.accessible_name, 'Allan-Bradley / Modicon Corvane Ver 1.3')


# Every change of a live region's text, as a screen reader is told of it:
# [the region's id or class, its text after the change].
WATCH_LIVE_REGIONS = '''
window.corvaneSpoken = [];
new MutationObserver((changes) => {
    for (const change of changes) {
        const node = change.target.nodeType === Node.ELEMENT_NODE ? change.target : change.target.parentElement;
        const region = node.closest('[aria-live], [role="status"], [role="alert"], output');
        const live = region && (region.getAttribute('aria-live') || 'polite');
        if (live && live !== 'off')
            window.corvaneSpoken.push([region.id || region.className, region.textContent]);
    }
}).observe(document.body, {subtree: true, childList: true, characterData: true});
'''

SLAVE_ANNOUNCEMENT = 'Modicon Start Register 40001, Modicon End Register 40010, File 7, Word 4'


class ScreenReaderTest(PageTest):
    def ax_tree(self):
        """{DOM id: node} and [nodes] of Chromium's accessibility tree."""
        document = self.driver.execute_cdp_cmd('DOM.getDocument', {'depth': -1})
        ids = {}

        def walk(node):
            attributes = node.get('attributes', [])
            for key, value in zip(attributes[::2], attributes[1::2]):
                if key == 'id':
                    ids[node['backendNodeId']] = value
            for child in node.get('children', []):
                walk(child)
        walk(document['root'])
        nodes = self.driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']
        by_id = {ids[n['backendDOMNodeId']]: n for n in nodes if n.get('backendDOMNodeId') in ids}
        return by_id, nodes

    @staticmethod
    def value(node, key):
        return node.get(key, {}).get('value', '')

    def spoken(self):
        return self.driver.execute_script('return window.corvaneSpoken.splice(0);')

    def translate_slave(self, start='40001'):
        for name, text in (('DataFileTxt', 'N7:4/5'), ('StartRegTxt', start), ('NumRegTxt', '10')):
            self.type_into(name, text)
        self.click('TransSlaveCmd')

    @chromium_only('its driver gives no accessible description')
    def test_fields_are_described_by_their_hints_and_tooltips(self):
        by_id, _ = self.ax_tree()
        self.assertEqual(self.value(by_id['RegTxt'], 'description'), '(1-9999)')
        self.assertEqual(self.value(by_id['SlaveAddrTxt'], 'description'), '(1-99)')
        # The description follows the hint.
        self.click('YXZOpt')
        by_id, _ = self.ax_tree()
        self.assertEqual(self.value(by_id['RegTxt'], 'description'),
                         '(1-255, 1000-1255, 2000-2255, 3000-3255, etc.)')
        self.assertEqual(self.value(by_id['SlaveAddrTxt'], 'description'), '(1-3)')
        self.click('SlaveOpt')
        by_id, _ = self.ax_tree()
        for name, description in (
                ('DataFileTxt', '( Ex. N7:0 , N7:4/5 , B3/0 ) Location of the starting Allan '
                                'Bradley File and Word you want to mapped'),
                ('StartRegTxt', '( Ex. 40001 ) Location of the starting Modicon Register or Coil '
                                'that you want to map'),
                ('NumRegTxt', 'Number of consecutive Registers or Coils to be mapped')):
            with self.subTest(field=name):
                self.assertEqual(self.value(by_id[name], 'description'), description)

    def test_each_answer_is_read_out_with_its_caption_once_per_translation(self):
        self.driver.execute_script(WATCH_LIVE_REGIONS)
        self.click('SlaveOpt')
        self.translate_slave()
        spoken = self.spoken()
        self.assertEqual({region for region, _ in spoken}, {'announcer'})
        self.assertEqual(spoken[-1][1].strip(), SLAVE_ANNOUNCEMENT)
        # The same answer again is read again.
        self.click('TransSlaveCmd')
        spoken = self.spoken()
        self.assertEqual(len(spoken), 1)
        self.assertEqual(spoken[0][1].strip(), SLAVE_ANNOUNCEMENT)
        # A refusal is the error box's to say; the blanked answers say nothing.
        self.translate_slave(start='0')
        self.close_error_box()
        self.assertEqual(self.spoken(), [])
        for name in OUTPUTS:
            with self.subTest(control=name):
                self.assertEqual(self.control(name).get_dom_attribute('aria-live'), 'off')

    def test_master_answer_is_read_out_with_its_caption(self):
        self.driver.execute_script(WATCH_LIVE_REGIONS)
        self.type_into('RegTxt', '100')
        self.type_into('SlaveAddrTxt', '5')
        self.click('TransMasterCmd')
        self.assertEqual([text.strip() for _, text in self.spoken()], ['Data Table Address N5:100'])

    def test_no_two_buttons_share_a_name(self):
        self.click('SlaveOpt')
        self.translate_slave()
        self.click('Aboutcmd')
        names = [button.accessible_name for button in
                 self.driver.find_elements('css selector', 'button') if button.is_displayed()]
        self.assertEqual(sorted(names), sorted(set(names)))
        for name in ('Close Corvane', 'Close About Corvane', 'OK', 'Copy answer', 'Translate',
                     'Exit', 'About'):
            self.assertIn(name, names)

    def test_groups_are_named_by_the_captions_the_user_sees(self):
        groups = {(group.aria_role, group.accessible_name) for group in self.driver.find_elements(
            'css selector', '.window.main [role="group"], .window.main [role="radiogroup"]')}
        self.assertEqual(groups, {('radiogroup', 'PLC Type Commands'),
                                  ('radiogroup', 'Addressing Format'),
                                  ('group', 'Modbus Address and Command')})

    @chromium_only('its driver gives no accessibility tree')
    def test_each_control_sits_in_the_group_its_caption_names(self):
        by_id, nodes = self.ax_tree()
        parents = {child: node for node in nodes for child in node.get('childIds', [])}

        def group_of(node):
            while node['nodeId'] in parents:
                node = parents[node['nodeId']]
                if self.value(node, 'role') in ('group', 'radiogroup') and not node.get('ignored'):
                    return self.value(node, 'name')
            return None

        for name, group in (('MasterOpt', None), ('SlaveOpt', None),
                            ('PLC3Opt', 'PLC Type Commands'), ('PLC5Opt', 'PLC Type Commands'),
                            ('XYYOpt', 'Addressing Format'), ('YXZOpt', 'Addressing Format'),
                            ('MesTypeLst', 'Modbus Address and Command'),
                            ('SlaveAddrTxt', 'Modbus Address and Command'),
                            ('TransMasterCmd', None), ('DTATxt', None)):
            with self.subTest(control=name):
                self.assertEqual(group_of(by_id[name]), group)
        # Every group the tree holds is named by a caption shown on the window,
        # or, below it, by the mapping table's own texts.
        captions = {self.text(label).strip() for label in ('Label2', 'AddrFrmtLbl', 'AddrCmdLbl')}
        captions |= {'Paste rows', 'Download'}
        for node in nodes:
            if self.value(node, 'role') in ('group', 'radiogroup') and not node.get('ignored'):
                self.assertIn(self.value(node, 'name'), captions)
        # Under PLC-3 the formats and their group are gone.
        self.click('PLC3Opt')
        _, nodes = self.ax_tree()
        names = {self.value(n, 'name') for n in nodes
                 if self.value(n, 'role') == 'radiogroup' and not n.get('ignored')}
        self.assertEqual(names, {'PLC Type Commands'})


if __name__ == '__main__':
    unittest.main()
