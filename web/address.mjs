// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation in the page's address, so that a link or a bookmark brings
// it back: one short pair for each input it uses, "?from=1&to=4&chain=3&
// gofu=50&base=Land80", and "etc=55" with その他 on. A list gives its item's
// place, 1 to 5; the options the value the core knows them by; a box its
// text.

// The pair of each of the core's fields. A field without one stops the
// page's start, rather than being left out of every link.
const NAMES = {
  cboLevelBefore: 'from', cboLevelAfter: 'to', cboRensa: 'chain',
  txtGofu: 'gofu', landChoice: 'base', txtLandEtc: 'etc',
};

export function addressOf(form, fields) {
  for (const field of fields) {
    if (!NAMES[field]) {
      throw new Error(`no address for ${field}`);
    }
  }
  // The typed base value counts only with その他 on.
  const used = (field) => field !== 'txtLandEtc' || form.elements.landChoice.value === 'LandEtc';

  return {
    // The query for what the form holds now.
    write: () => `?${new URLSearchParams(fields.filter(used).map((field) => {
      const control = form.elements[field];
      return [NAMES[field], control.options ? control.selectedIndex + 1 : control.value];
    }))}`,

    // Puts into the form each value of the query that its control can take,
    // as text; true only when every pair the calculation uses was there,
    // once, and taken, and no pair was refused.
    read(search, clean) {
      const query = new URLSearchParams(search);
      const taken = {};
      for (const field of fields) {
        const values = query.getAll(NAMES[field]);
        const control = form.elements[field];
        const value = values.length === 1 ? clean(values[0]) : null;
        if (values.length === 0) {
          continue;
        }
        if (control instanceof RadioNodeList) {
          const radio = [...control].find((option) => option.value === value);
          taken[field] = Boolean(radio);
          if (radio) {
            radio.checked = true;
          }
        } else if (control.options) {
          taken[field] = /^[1-9]$/.test(value) && value <= control.options.length;
          if (taken[field]) {
            control.selectedIndex = value - 1;
          }
        } else {
          taken[field] = value !== null && value.length <= control.maxLength;
          if (taken[field]) {
            control.value = value;
          }
        }
      }
      return fields.every((field) => (used(field) ? taken[field] : taken[field] !== false));
    },
  };
}
