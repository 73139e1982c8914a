# How Vaccines Were Discovered

What is the text mainly about?
- why smallpox spread so easily between people
+ how vaccines were discovered and how they work
- how doctors treated fevers before modern medicine
- why many people at first refused to be vaccinated

What observation about smallpox does the story begin with?
- it struck the rich less often than the poor
- people who kept cattle caught it more often
+ survivors of it almost never caught it again
- it was milder in warm countries than cold ones

How did healers in China carry out variolation?
- by scratching material into the skin
- by mixing dried scabs into a drink
- by rubbing sore material on the lips
+ by blowing powdered scabs into the nose

Where did Jenner take the material he used in 1796?
+ from a cowpox sore on a milkmaid's hand
- from a sore on the udder of a sick cow
- from a mild case of smallpox in a child
- from the arm of a farmer with cowpox

Where does the word vaccine come from?
- the Latin word for a sore
+ the Latin word for a cow
- the French word for a cure
- the Greek word for a shield

What did Pasteur find while studying chicken cholera?
- a fresh culture failed to sicken older birds
- cowpox protected the birds as well as people
+ an old, weakened culture protected the birds
- the birds recovered if they were kept warm

What does a vaccine do, as the text explains it?
+ it gives the immune system its lesson in advance
- it kills the microbes already inside the body
- it replaces the antibodies lost after an illness
- it makes the body's cells too tough for germs

What happened in 1980?
- the first vaccine against measles was approved
- the last large outbreak of smallpox began
+ smallpox was officially declared wiped out
- vaccination of children became law everywhere
