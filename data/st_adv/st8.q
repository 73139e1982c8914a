# How Vaccines Were Discovered

Where does the text say healers favored blowing powdered scabs into the nose?
- in India
+ in China
- in the Middle East
- in Africa

How long after the cowpox did Jenner expose the boy to smallpox, according to the text?
- a few days later
- several months later
+ several weeks later
- a full year later

What does the text turn to right after Jenner's experiment and its spread?
+ where the word vaccine comes from
- the vaccines of the twentieth century
- how the immune system remembers
- how new vaccines are tested

Which disease was Pasteur studying when he found that old cultures protect?
- anthrax in sheep
- swine fever in pigs
- silkworm disease
+ chicken cholera

In which year does the text say Pasteur first used his rabies treatment on a child?
- 1865
+ 1885
- 1879
- 1896

Besides a weakened or inactivated microbe, what does the text say a vaccine may contain?
+ a harmless fragment or a neutralized toxin
- a harmless fragment or living immune cells
- ready-made antibodies or a neutralized toxin
- ready-made antibodies or living immune cells

How does the text say the campaign against smallpox was carried out?
- by vaccinating every child in the world at birth
- by closing borders and vaccinating all travelers
+ by tracing cases and vaccinating the people around them
- by vaccinating whole cities within a single week

According to the last sentence, what can transform human health?
- close observation, new technology and public money
- strong leadership, patient testing and public money
- strong leadership, new technology and cooperation
+ close observation, patient testing and cooperation
