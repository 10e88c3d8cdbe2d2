// The converter window as a page: its controls built from the model's table,
// its events passed to the model's handlers, and the model's state shown.
// Every rule is the model's (page_binding.cpp); this script only maps the
// browser's controls, keys and clipboard onto it.
'use strict';

// Emscripten's module (level-converter's script, after this one) calls it
// once the model has been made.
var Module = {
  onRuntimeInitialized: start,
  // The module's bytes are in the page, as a data: URL that the module
  // would fetch (Emscripten 3.1.6) and the page's policy forbids: they are
  // read where they are, with the module's own helpers for a single-file
  // build (findWasmBinary gives the URL from 3.1.69 on).
  instantiateWasm: (imports, receive) => {
    const url = typeof findWasmBinary === 'function' ? findWasmBinary() : wasmBinaryFile;
    WebAssembly.instantiate(tryParseAsDataURI(url), imports)
      .then((result) => receive(result.instance));
    return {};
  },
};

// The model, through the module's plain C functions: texts pass as UTF-8,
// a text the model may not have comes back as null.
function modelCalls() {
  const text = (pointer) => (pointer === 0 ? null : UTF8ToString(pointer));
  const number = (name, ...args) => Module.ccall(name, 'number', args.map(() => 'number'), args);
  // A text into the module's memory for one call; a pasted page may be far
  // longer than the stack holds.
  const withTexts = (texts, use) => {
    const pointers = texts.map((value) => {
      const size = lengthBytesUTF8(value) + 1;
      const pointer = _malloc(size);
      stringToUTF8(value, pointer, size);
      return pointer;
    });
    try {
      return use(...pointers);
    } finally {
      pointers.forEach((pointer) => _free(pointer));
    }
  };
  return {
    form: () => JSON.parse(text(number('level_form'))),
    readableGrey: (grey, ink, face) => Module.ccall('level_readable_grey', 'number',
                                                   ['number', 'number', 'number'], [grey, ink, face]),
    click: (control, focus) => number('level_click', control, focus),
    takeReport: () => text(number('level_take_report')),
    setFieldText: (field, value) =>
      withTexts([value], (pointer) => number('level_set_field_text', field, pointer)),
    setFocus: (control) => number('level_set_focus', control),
    firstFocus: () => number('level_first_focus'),
    focus: () => number('level_focus'),
    fieldText: (field) => text(number('level_field_text', field)),
    fieldTip: (field) => text(number('level_field_tip', field)),
    fieldEnabled: (field) => number('level_field_enabled', field) !== 0,
    optionValue: (option) => number('level_option_value', option) !== 0,
    label1Caption: () => text(number('level_label1_caption')),
    label1Points: () => number('level_label1_points'),
    takeHeightWrite: () => number('level_take_height_write'),
    decimalSeparator: () => text(number('level_decimal_separator')),
    // Whether a field takes what an edit adds in place of its selection.
    fieldTakes: (field, added) => number('level_field_takes_edit', field.value.length, field.selectionStart,
                                         field.selectionEnd, added.length) !== 0,
    nextTabStop: (from, step) => number('level_next_tab_stop', from, step),
    answerKey: (code, ctrl, shift, focus) => {
      const answer = number('level_answer_key', code, ctrl ? 1 : 0, shift ? 1 : 0, focus);
      return {action: answer >> 8, target: answer & 255};
    },
    fieldMenu: (state) => JSON.parse(text(number('level_field_menu', state))),
    copyCommand: (state) => number('level_copy_command', state),
    copiedText: (command, whole, selection) =>
      withTexts([whole, selection], (wholePointer, selectionPointer) =>
        text(number('level_copied_text', command, wholePointer, selectionPointer))),
    resultLine: () => text(number('level_result_line')),
  };
}

// A touch held this long on a field opens its menu, unless it moved
// further than the slop first (a scroll or a selection's drag).
const kLongPressMilliseconds = 500;
const kPressSlop = 10;
// The resize grip's reach from the window's corner, in CSS pixels.
const kGrip = 16;
// Around the window on every side, in CSS pixels, as the page's padding.
const kMargin = 8;

// The window at one scale, the whole drawing at once: on a phone (a coarse
// pointer on a narrow screen) as wide as the screen less its margins, else
// at its designed size, smaller only where the screen is narrower.
function fitToScreen(designedWidth) {
  const room = document.documentElement.clientWidth - 2 * kMargin;
  const phone = matchMedia('(pointer: coarse) and (max-width: 600px)').matches;
  const scale = phone ? room / designedWidth : Math.min(1, room / designedWidth);
  document.getElementById('window').style.zoom = String(scale);
}

function start() {
  const page = modelCalls();
  const form = page.form();
  const table = form.controls;
  const root = document.getElementById('Form1');
  const elements = new Map();  // control number -> the element that is it
  const kind = (control) => table.find((row) => row.control === control).kind;
  // The frame names the option row.
  const frameRow = table.find((row) => row.kind === 'frame');
  let menu = null;

  document.title = form.caption;
  const caption = document.getElementById('caption');
  caption.textContent = form.caption;
  caption.style.width = `${form.width}px`;
  root.setAttribute('aria-label', form.caption);
  root.style.width = `${form.width}px`;
  root.style.height = `${form.height}px`;
  root.style.fontFamily = form.fontFamilies.map((family) => `"${family}"`).join(', ') + ', sans-serif';
  root.style.fontSize = `${form.dialogPoints}pt`;
  fitToScreen(form.width);
  addEventListener('resize', () => fitToScreen(form.width));
  // The greyed text: the style's grey on its face, made readable as the
  // model makes it.
  const style = getComputedStyle(document.documentElement);
  const share = (variable) => parseInt(style.getPropertyValue(variable).trim().slice(1, 3), 16) / 255;
  const grey = Math.round(255 * page.readableGrey(share('--grey'), share('--text'), share('--face')));
  document.documentElement.style.setProperty('--greyed-text', `rgb(${grey} ${grey} ${grey})`);

  // One control of the table at its place, named as the window names it.
  function create(row) {
    let element;
    switch (row.kind) {
      case 'field':
        element = document.createElement('input');
        element.type = 'text';
        element.maxLength = form.fieldLimit;
        element.spellcheck = false;
        element.autocomplete = 'off';
        // An edit that would leave the field longer than it takes is
        // refused whole, with a beep; the browser's own limit would cut a
        // paste instead.
        element.addEventListener('beforeinput', (event) => {
          const added = event.data ?? event.dataTransfer?.getData('text/plain') ?? '';
          if (event.inputType.startsWith('insert') && !page.fieldTakes(element, added)) {
            event.preventDefault();
            beep();
          }
        });
        element.addEventListener('input', () => {
          page.setFieldText(row.control, element.value);
          element.title = page.fieldTip(row.control);
        });
        break;
      case 'option': {
        element = document.createElement('label');
        const radio = document.createElement('input');
        radio.type = 'radio';
        radio.name = 'options';
        radio.id = row.name;
        element.append(radio, document.createTextNode(row.caption));
        break;
      }
      case 'button':
        element = document.createElement('button');
        element.type = 'button';
        element.textContent = row.caption;
        break;
      case 'frame':
        element = document.createElement('div');
        element.setAttribute('role', 'presentation');
        element.append(Object.assign(document.createElement('span'), {textContent: row.caption}));
        break;
      default:  // the labels, and the outline, which says nothing
        element = document.createElement('div');
        element.textContent = row.caption;
        // The information line, which the model writes, is announced as it
        // changes.
        if (row.control === form.informationLine) element.setAttribute('role', 'status');
    }
    element.className = row.kind;
    if (row.kind !== 'option') element.id = row.name;
    Object.assign(element.style, {
      left: `${row.left}px`, top: `${row.top}px`, width: `${row.width}px`, height: `${row.height}px`,
      fontSize: `${row.points}pt`,
    });
    if (row.accessibleName) element.setAttribute('aria-label', row.accessibleName);
    // A field's description is its unit, not its tooltip's copy of its value.
    if (row.unitLabel) element.setAttribute('aria-describedby', row.unitLabel);
    const focusable = focusTarget(element, row.kind);
    if (row.clickable) {
      focusable.addEventListener('click', () => {
        const focus = controlOf(document.activeElement);
        page.click(row.control, focus === 0 ? row.control : focus);
        show();
      });
    }
    return element;
  }

  function focusTarget(element, rowKind) {
    return rowKind === 'option' ? element.querySelector('input') : element;
  }
  function target(control) {
    return focusTarget(elements.get(control), kind(control));
  }
  function controlOf(element) {
    for (const [control, candidate] of elements) {
      if (candidate === element || focusTarget(candidate, kind(control)) === element) return control;
    }
    return 0;
  }

  // The option row is a radio group; the frame, labels and outline sit
  // beneath the controls, the outline beneath everything.
  const group = Object.assign(document.createElement('div'), {className: 'group'});
  group.setAttribute('role', 'radiogroup');
  group.setAttribute('aria-label', frameRow.caption);
  // In the page's order as the screen shows them, top to bottom and left
  // to right, so that a screen reader reads the window as it is seen.
  const onScreen = [...table].sort((one, other) => one.top - other.top || one.left - other.left);
  for (const row of onScreen) {
    const element = create(row);
    elements.set(row.control, element);
    (row.kind === 'option' ? group : root).append(element);
    if (row.kind === 'option' && group.parentNode === null) root.append(group);
  }

  function show() {
    for (const row of table) {
      const element = elements.get(row.control);
      if (row.kind === 'option') {
        target(row.control).checked = page.optionValue(row.control);
      } else if (row.kind === 'field') {
        const text = page.fieldText(row.control);
        if (element.value !== text) {
          element.value = text;
          element.title = page.fieldTip(row.control);
          element.scrollLeft = 0;  // shown from its first character
        }
        const enabled = page.fieldEnabled(row.control);
        element.readOnly = !enabled;
        element.tabIndex = enabled ? 0 : -1;
        element.setAttribute('aria-disabled', String(!enabled));
      }
    }
    const label1 = elements.get(form.informationLine);
    label1.textContent = page.label1Caption();
    label1.setAttribute('aria-label', label1.textContent);
    label1.style.fontSize = `${page.label1Points()}pt`;
    const height = page.takeHeightWrite();
    if (height >= 0) root.style.height = `${height}px`;
    const report = page.takeReport();
    if (report !== null) {
      showReport(report);
    } else if (!reportDialog.open) {
      showFocus();
    }
  }

  // The model's focus, where it differs from the page's; a field that takes
  // it has its whole text selected.
  function showFocus() {
    const focus = page.focus();
    if (focus === 0 || controlOf(document.activeElement) === focus) return;
    const element = target(focus);
    element.focus();
    if (kind(focus) === 'field') element.select();
  }

  // The window's lower right corner, which resizes it.
  const onResizeGrip = (event) => {
    const box = root.getBoundingClientRect();
    return event.target === root && event.clientX > box.right - kGrip && event.clientY > box.bottom - kGrip;
  };
  // A click takes the focus only to a control that takes it, as in a
  // dialog: not to a label, the window's face or the page around it, nor to
  // a greyed field, which is read-only and out of the tab order.
  document.addEventListener('mousedown', (event) => {
    const control = controlOf(event.target.closest('input, button') ?? event.target);
    const takesFocus = control !== 0 && (kind(control) !== 'field' || page.fieldEnabled(control));
    const option = event.target.closest('.option') !== null;
    if (!takesFocus && !option && !onResizeGrip(event) && !reportDialog.contains(event.target)) {
      event.preventDefault();
    }
  });

  // The error report, modal, with the report's number, description and
  // advice; closed, the focus goes back as the model says.
  const reportDialog = document.getElementById('report');
  reportDialog.querySelector('h1').textContent = form.reportTitle;
  reportDialog.querySelector('button').textContent = form.reportButton;
  reportDialog.addEventListener('close', () => showFocus());
  // Its one button keeps the focus: Tab goes round within the report, and a
  // click on its text leaves the focus where it is.
  reportDialog.addEventListener('keydown', (event) => {
    if (event.key === 'Tab') event.preventDefault();
  });
  reportDialog.addEventListener('mousedown', (event) => {
    if (event.target.closest('button') === null) event.preventDefault();
  });
  function showReport(text) {
    reportDialog.querySelector('p').textContent = text;
    reportDialog.showModal();
    reportDialog.querySelector('button').focus();
  }

  // Keys, by KeyboardEvent.code, as the model names them.
  const keyCodes = {
    KeyC: 'C', KeyA: 'A', NumpadDecimal: 'KeypadDecimal', NumpadComma: 'KeypadDecimal',
    ContextMenu: 'Menu', F10: 'F10', Enter: 'Enter', NumpadEnter: 'Enter',
    ArrowDown: 'Down', ArrowRight: 'Right', ArrowUp: 'Up', ArrowLeft: 'Left',
  };
  root.addEventListener('keydown', (event) => {
    if (menu !== null || event.isComposing) return;
    if (event.key === 'Tab' && !event.ctrlKey && !event.altKey && !event.metaKey) {
      event.preventDefault();
      tabFrom(controlOf(document.activeElement), event.shiftKey ? -1 : 1);
      return;
    }
    const code = form.keyCodes[keyCodes[event.code]] ?? 0;
    // Command is the Mac's Control.
    const answer = page.answerKey(code, event.ctrlKey || event.metaKey, event.shiftKey,
                                  controlOf(document.activeElement));
    if (answer.action !== 0) {
      event.preventDefault();
      act(answer);
    }
  });

  // Tab and Shift+Tab go round the window's tab stops, as the model has
  // them; a field that takes the focus so has its text selected.
  function tabFrom(control, step) {
    const next = page.nextTabStop(control, step);
    const element = target(next);
    element.focus();
    if (kind(next) === 'field') element.select();
  }

  function act(answer) {
    const element = answer.target === 0 ? null : target(answer.target);
    switch (answer.action) {
      case form.actions.TypeDecimalSeparator:
        if (!element.readOnly) document.execCommand('insertText', false, page.decimalSeparator());
        break;
      case form.actions.CopyFromField: {
        const command = page.copyCommand(fieldState(answer.target));
        if (command >= 0) run(answer.target, command);
        break;
      }
      case form.actions.CopyResultLine: {
        // No result to copy: the beep of any command that cannot be done.
        const line = page.resultLine();
        if (line === null) beep();
        copy(line);
        break;
      }
      case form.actions.SelectAll:
        element.select();
        break;
      case form.actions.OpenFieldMenu: {
        const place = element.getBoundingClientRect();
        openMenu(answer.target, place.left, place.bottom);
        break;
      }
      case form.actions.Click:
        element.focus();
        element.click();
        break;
    }
  }

  // The window's beep, as for any command that cannot be done: a short tone
  // where the browser plays sound.
  let sound = null;
  function beep() {
    try {
      sound ??= new AudioContext();
      const tone = sound.createOscillator();
      const volume = sound.createGain();
      volume.gain.value = 0.1;
      tone.frequency.value = 880;
      tone.connect(volume).connect(sound.destination);
      tone.start();
      tone.stop(sound.currentTime + 0.08);
    } catch {
      // no sound here
    }
  }

  // The clipboard: the asynchronous one where the browser offers it, else
  // the copy command of a field made for the purpose.
  function copy(text) {
    if (text === null) return;
    if (navigator.clipboard !== undefined) {
      navigator.clipboard.writeText(text).catch(() => copyThroughField(text));
    } else {
      copyThroughField(text);
    }
  }
  function copyThroughField(text) {
    const focused = document.activeElement;
    const scratch = Object.assign(document.createElement('textarea'), {value: text});
    document.body.append(scratch);
    scratch.select();
    document.execCommand('copy');
    scratch.remove();
    focused?.focus();
  }

  // What the menu needs to know of a field, one bit a fact, in the order
  // the model reads them.
  function fieldState(control) {
    const field = elements.get(control);
    const enabled = page.fieldEnabled(control);
    const focused = document.activeElement === field;
    const facts = [
      enabled, field.value.length > 0,
      enabled && field.selectionEnd > field.selectionStart,
      field.selectionStart === 0 && field.selectionEnd === field.value.length,
      focused && document.queryCommandEnabled('undo'),
      focused && document.queryCommandEnabled('redo'),
      true,  // a page cannot look at the clipboard without asking the user
      page.resultLine() !== null,
    ];
    return facts.reduce((bits, fact, place) => bits | (fact ? 1 << place : 0), 0);
  }

  // What an item of a field's menu does, through the field's own editing
  // where it is not a copy.
  function run(control, command) {
    const field = elements.get(control);
    const selection = field.value.substring(field.selectionStart, field.selectionEnd);
    const copied = page.copiedText(command, field.value, selection);
    if (copied !== null) {
      copy(copied);
      return;
    }
    field.focus();
    switch (command) {
      case form.commands.Undo: document.execCommand('undo'); break;
      case form.commands.Redo: document.execCommand('redo'); break;
      case form.commands.Cut:
        copy(selection);
        document.execCommand('delete');
        break;
      case form.commands.Paste:
        navigator.clipboard?.readText().then((text) => {
          field.focus();
          if (!page.fieldTakes(field, text)) {
            beep();  // refused whole, as a pasting key is
          } else {
            document.execCommand('insertText', false, text);
          }
        });
        break;
      case form.commands.Delete: document.execCommand('delete'); break;
      case form.commands.SelectAll: field.select(); break;
    }
  }

  // A field's menu, from a right click on it (a greyed one too), from a
  // long press on it, or from its keys.
  const fieldAt = (element) => {
    const control = controlOf(element);
    return control !== 0 && kind(control) === 'field' ? control : 0;
  };
  root.addEventListener('contextmenu', (event) => {
    const field = fieldAt(event.target);
    if (field === 0) return;
    event.preventDefault();
    // A long press may have opened it already: the browser's own menu
    // event comes after the press was timed, or not at all (Safari).
    if (menu === null) openMenu(field, event.clientX, event.clientY);
  });
  let press = null;
  const endPress = () => {
    clearTimeout(press?.timer);
    press = null;
  };
  root.addEventListener('touchstart', (event) => {
    const field = fieldAt(event.target);
    endPress();
    if (field === 0 || event.touches.length !== 1) return;
    const {clientX: x, clientY: y} = event.touches[0];
    press = {x, y, timer: setTimeout(() => {
      press = null;
      if (menu === null) openMenu(field, x, y);
    }, kLongPressMilliseconds)};
  }, {passive: true});
  root.addEventListener('touchmove', (event) => {
    const touch = event.touches[0];
    if (press !== null && Math.hypot(touch.clientX - press.x, touch.clientY - press.y) > kPressSlop) endPress();
  }, {passive: true});
  // A press that opened the menu ends there: its release is no tap on
  // whatever the menu now covers.
  root.addEventListener('touchend', (event) => {
    if (press === null && menu !== null) event.preventDefault();
    endPress();
  });
  root.addEventListener('touchcancel', endPress);

  function openMenu(control, x, y) {
    const returnTo = document.activeElement;
    menuOpener = returnTo;
    const items = page.fieldMenu(fieldState(control));
    menu = Object.assign(document.createElement('div'), {className: 'menu', tabIndex: -1});
    menu.setAttribute('role', 'menu');
    const choices = [];
    for (const item of items) {
      if (item.command < 0) {
        const separator = Object.assign(document.createElement('div'), {className: 'separator'});
        separator.setAttribute('role', 'separator');
        menu.append(separator);
        continue;
      }
      const entry = Object.assign(document.createElement('div'), {className: 'item', tabIndex: -1});
      entry.setAttribute('role', 'menuitem');
      entry.setAttribute('aria-disabled', String(!item.available));
      const [before, after] = item.text.split('&');
      const text = document.createElement('span');
      if (after === undefined) {
        text.textContent = before;
      } else {
        text.append(before, Object.assign(document.createElement('u'), {textContent: after[0]}), after.slice(1));
      }
      entry.append(text, Object.assign(document.createElement('span'), {className: 'shortcut', textContent: item.shortcut}));
      if (item.available) {
        choices.push(entry);
        entry.addEventListener('click', () => {
          closeMenu(returnTo);
          run(control, item.command);
        });
        entry.addEventListener('mousemove', () => entry.focus());
      }
      menu.append(entry);
    }
    menu.addEventListener('keydown', (event) => {
      event.preventDefault();
      const at = choices.indexOf(document.activeElement);
      if (event.key === 'Escape' || event.key === 'Tab') closeMenu(returnTo);
      if (event.key === 'ArrowDown') choices[(at + 1) % choices.length]?.focus();
      if (event.key === 'ArrowUp') choices[(at + choices.length - 1) % choices.length]?.focus();
      if (event.key === 'Enter' && at >= 0) choices[at].click();
    });
    menu.addEventListener('mousedown', (event) => event.preventDefault());
    document.body.append(menu);
    const room = document.documentElement;
    menu.style.left = `${Math.max(0, Math.min(x, room.clientWidth - menu.offsetWidth))}px`;
    menu.style.top = `${Math.max(0, Math.min(y, room.clientHeight - menu.offsetHeight))}px`;
    menu.focus();
  }
  function closeMenu(returnTo) {
    menu.remove();
    menu = null;
    returnTo?.focus();
  }
  // A click outside the menu closes it, and the focus goes back to where
  // the menu was opened from.
  let menuOpener = null;
  document.addEventListener('mousedown', (event) => {
    if (menu !== null && !menu.contains(event.target)) {
      event.preventDefault();
      closeMenu(menuOpener);
    }
  }, {capture: true});

  show();
  document.body.classList.add('ready');
  // The first control in tab order that can take the focus, without
  // selecting it.
  page.setFocus(page.firstFocus());
  showFocus();
}
