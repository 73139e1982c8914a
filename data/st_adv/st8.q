# How Vaccines Were Discovered

Which of these does the text NOT say about smallpox?
- it spread easily from person to person
- it killed a large share of those infected
+ it struck children harder than adults
- it left many survivors scarred or blind

Which place does the text NOT name as one where healers practised variolation?
- China
- India
- Africa
+ Turkey

What does the text describe right after the method of a small scratch in the skin?
+ a Chinese method using powdered scabs
- the travelers who took the practice to Britain
- the risk that patients could infect others
- the folklore about milkmaids and cowpox

What does the text turn to right after Pasteur's rabies treatment?
+ why vaccines work in the body
- the vaccines of the twentieth century
- the end of smallpox in 1980
- how new vaccines are tested

Besides antibodies, what does the text say the immune system produces?
- memory cells
+ specialized cells
- white blood cells
- killer cells

What does the text discuss right after listing what a vaccine may contain?
- how the body remembers a microbe
- Pasteur's use of the word vaccine
- the diseases beaten in the twentieth century
+ the slow work of developing a vaccine

Which disease does the text NOT name among those with twentieth-century vaccines?
- diphtheria
- tetanus
+ mumps
- polio

The text's final sentence traces the story from what starting point?
- a sore on a milkmaid's hand
+ an old observation about survivors
- a mild disease of cattle
- a country doctor's daring test
