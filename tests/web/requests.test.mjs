// Requests entered through the page, as a user does, against the native
// core's answers: results, each warning with the focus it leaves, the
// question's title and its answers はい, いいえ and Esc.
import { expect, test } from '@playwright/test';
import { enter, openPage, pageRequests, resultTexts } from './page.mjs';

for (const row of pageRequests()) {
  test(row.name, async ({ page }) => {
    await openPage(page);
    await enter(page, row);
    await page.locator('#cmdKeisan').click();

    if (row.check) {
      const [message, title, focus] = row.check;
      const box = page.getByRole('alertdialog');
      await expect(box).toBeVisible();
      await expect(box.locator('h2')).toHaveText(title);
      await expect(box).toContainText(message);
      await expect(page.locator('#dlgAsk')).toBeHidden();
      await box.getByRole('button', { name: 'OK' }).click();
      await expect(page.locator(`#${focus}`)).toBeFocused();
      // A text box's whole text is selected, so typing replaces it.
      const selection = await page.locator(`#${focus}`).evaluate((field) =>
        (field.select ? [field.selectionStart, field.selectionEnd, field.value.length] : null));
      if (selection) {
        expect(selection).toEqual([0, selection[2], selection[2]]);
      }
      expect(await resultTexts(page)).toEqual(['', '', '', '', '']);
      return;
    }

    if (row.question) {
      const [message, title] = row.question;
      const box = page.locator('#dlgAsk');
      await expect(box).toBeVisible();
      await expect(box.locator('h2')).toHaveText(title);
      await expect(box).toContainText(message);
      await expect(box.getByRole('button', { name: 'はい' })).toBeFocused();
      if (row.reply === 'esc') {
        await page.keyboard.press('Escape');
      } else {
        await box.getByRole('button', { name: row.reply === 'yes' ? 'はい' : 'いいえ' }).click();
      }
      await expect(box).toBeHidden();
      if (row.reply !== 'yes') {
        await expect(page.locator('#cboLevelBefore')).toBeFocused();
        expect(await resultTexts(page)).toEqual(['', '', '', '', '']);
        return;
      }
    } else {
      await expect(page.locator('#dlgAsk')).toBeHidden();
    }
    await expect.poll(() => resultTexts(page)).toEqual(row.compute);
    // Screen readers hear every caption with its value, once.
    const captions = await page.locator('#frmGofu output').evaluateAll((outputs) =>
      outputs.map((output) => output.labels[0].textContent));
    const spoken = captions.map((caption, i) => `${caption} ${row.compute[i]}`.trim()).join('、');
    await expect(page.locator('#announcement')).toHaveText(spoken);
  });
}
